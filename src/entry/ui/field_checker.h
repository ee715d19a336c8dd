#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QLineEdit;

namespace vn {

class EntrySession;
class RecordAccess;
class PageForm;
class Prompter;
class SelectionPanel;
struct FieldDefinition;

// The page text boxes of the record screen: entering shows the field's selection list, leaving
// checks the input a moment later and stores it only when accepted. A check still waiting runs
// at once before the session saves, navigates or switches pages.
class FieldChecker : public QObject {
    Q_OBJECT
public:
    struct Screen {
        std::function<void()> showOptions;          // "Record Options..." beside the page
        std::function<void()> showPanel;            // the selection panel instead
        std::function<void(int page)> focusPageButton;
        std::function<void()> moveFocus;            // the automatic focus move
        std::function<void(int column)> openLinked; // a linked field's selection view
    };

    FieldChecker(EntrySession& session, Prompter& prompter, PageForm& form, SelectionPanel& panel, Screen screen,
                 QObject* parent = nullptr);

    // Where selection lists are kept; without it only ">> Select New Page <<" is offered.
    void setSelectionAccess(RecordAccess& access) { m_access = &access; }
    // Takes over the text boxes of the page just built; release lets them go before they are.
    void bind(int page);
    void release();
    // Runs a waiting check now; false when it refused (the action asking should stop).
    bool flush();
    void drop();

    int focusTarget() const { return m_target; }
    void setFocusTarget(int target) { m_target = target; }
    bool stay() const { return m_stay; }
    void setStay(bool stay) { m_stay = stay; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box(int column) const;
    const FieldDefinition& definitionOf(int column) const;
    void enter(int column);
    void left(int column, bool advance);
    void schedule(int column, bool advance);
    bool check(int column, bool advance);
    bool askNewPage(QLineEdit* box);
    QStringList entriesOf(const FieldDefinition& definition) const;
    void offerToLearn(const FieldDefinition& definition, const QString& input);
    void choose(const QString& entry);
    void clearField();
    void exitPanel();

    EntrySession& m_session;
    Prompter& m_prompter;
    RecordAccess* m_access = nullptr;
    PageForm& m_form;
    SelectionPanel& m_panel;
    Screen m_screen;
    QTimer m_timer;
    int m_page = 1;
    int m_current = 0;        // column of the text box entered last
    int m_panelColumn = 0;    // column the selection panel serves, 0 when hidden
    int m_pending = 0;        // column waiting for its check
    bool m_pendingAdvance = false;
    bool m_advance = false;   // the box is being left by Enter or Tab
    int m_tabOrder = 0;
    int m_target = 1;
    bool m_stay = false;
};

}  // namespace vn
