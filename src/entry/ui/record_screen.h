#pragma once

#include "entry/ui/record_printing.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace vn {

class EntrySession;
class HeaderKeys;
class HeaderLinkView;
class LinkedFieldView;
class FieldChecker;
class HelpAgent;
class PageForm;
class RecordAccess;
class SelectionPanel;
class Prompter;
class QtTextMeasure;
class RecordPrintoutFile;

// The generated record screen: the header block, the page drawn from the list's definitions with
// live controls, and "Record Options...". Values go into the session's store as they are edited.
class RecordScreen : public QWidget {
    Q_OBJECT
public:
    RecordScreen(EntrySession& session, Prompter& prompter, QWidget* parent = nullptr);
    ~RecordScreen() override;

    // Draws the session's record from the start (page 1).
    void showRecord();
    PageForm& pageForm() const { return *m_page; }
    QLineEdit* headerEdit(int field) const { return m_header[field]; }
    // Where the page fields' selection lists are kept.
    void setSelectionAccess(RecordAccess& access);
    // Where the page fields' help texts are kept and who speaks them (asked on every right click).
    void setHelp(RecordAccess& access, std::function<HelpAgent&()> agent);
    static constexpr QPoint kHelpPoint{490, 320};
    // Where "View/Print  Form/Data" writes the record and how it is shown.
    void setPrintoutPlace(RecordPrintoutPlace place) { m_printoutPlace = std::move(place); }

signals:
    void toRecordSelection(bool listAgain);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildHeader();
    void addHeaderChoices(int field, const QStringList& entries);
    void tidyHeaderBox(int field);
    void leaveHeaderBox(int field);
    QWidget* buildOptions();
    QWidget* buildSide();
    QWidget* buildBody();
    void addLinkButtons(QWidget* box, QVBoxLayout* layout);
    void showHeader();
    void showOptions();
    // The sibling links: the header link view, a linked field's view, "Update Linked Records".
    void openHeaderLink();
    void openLinkedField(int column);
    void backFromLink(bool changed);
    void updateLinkedRecords();
    void refreshLinkButtons();
    void moveFocus();
    void startFocus();
    void focusIfUsable(QWidget* target);
    void showPage(int page, bool redraw);
    void refreshButtons();
    void saveAnd(bool enterNew);
    void step(bool forward);
    void cancel();
    void deleteRecord();
    void clearPage();
    bool confirmEmptyHeader();
    void speakHelp(int definitionNumber);
    void dismissAgent();
    void leave(bool listAgain);

    EntrySession& m_session;
    Prompter& m_prompter;
    std::unique_ptr<QtTextMeasure> m_measure;
    QWidget* m_headerBlock = nullptr;
    QLabel* m_headerNote = nullptr;
    std::array<QLineEdit*, 16> m_header{};  // field 0 is the record code
    HeaderKeys* m_headerKeys = nullptr;
    PageForm* m_page = nullptr;
    QStackedWidget* m_modes = nullptr;  // the record, or one of the link views
    QWidget* m_body = nullptr;
    HeaderLinkView* m_headerLink = nullptr;
    LinkedFieldView* m_linkedField = nullptr;
    QPushButton* m_linkHeaderButton = nullptr;
    QPushButton* m_updateLinkedButton = nullptr;
    QStackedWidget* m_side = nullptr;
    QWidget* m_options = nullptr;
    SelectionPanel* m_panel = nullptr;
    FieldChecker* m_checker = nullptr;
    QPushButton* m_saveExit = nullptr;
    std::array<QPushButton*, 6> m_pageButtons{};
    QPushButton* m_priorPage = nullptr;
    QPushButton* m_nextPage = nullptr;
    QPushButton* m_prior = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_hideAgent = nullptr;
    RecordAccess* m_helpAccess = nullptr;
    std::function<HelpAgent&()> m_agent;
    std::unique_ptr<RecordPrintoutFile> m_printout;
    RecordPrintoutPlace m_printoutPlace;
    bool m_showing = false;
    bool m_returningFromLink = false;  // the linked-field view is handing the screen back
};

}  // namespace vn
