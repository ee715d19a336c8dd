#pragma once

#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;

namespace vn {

class FieldHelp;

// "Enter/Modify Agent Help": the memo of a field's help text with its preview; "Save Help Dialog"
// is reported, the window saves and goes back.
class FieldHelpPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FieldHelpPanel(QWidget* parent = nullptr);
    // Shows the help's text and focuses the memo.
    void open(FieldHelp& help);
    QString text() const;

signals:
    void saveClicked();

private:
    void limitText();

    FieldHelp* m_help = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QPushButton* m_preview = nullptr;
};

}  // namespace vn
