#pragma once

#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vn {

class EntrySession;
class HeaderLinkPick;
class Prompter;
class SourceListBox;

// "Select Record Containing Desired Header Information..": a sibling record whose header data
// the record takes. The record keeps the link picked whether its data is copied or not.
class HeaderLinkView : public QWidget {
    Q_OBJECT
public:
    HeaderLinkView(EntrySession& session, Prompter& prompter, QWidget* parent = nullptr);
    ~HeaderLinkView() override;

    // Starts for the current list's header link; false when it has none.
    bool start();

signals:
    void finished();

private:
    QWidget* buildSources();
    QWidget* buildBoxes();
    void chooseSource(int kind);
    void choose(int row);
    void copy();
    void warnOfProblem();
    void render();

    EntrySession& m_session;
    Prompter& m_prompter;
    std::unique_ptr<HeaderLinkPick> m_pick;
    std::array<QRadioButton*, 4> m_sources{};
    SourceListBox* m_list = nullptr;
    std::array<QLineEdit*, 10> m_boxes{};
    QPushButton* m_copy = nullptr;
};

}  // namespace vn
