#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vn {

class PhraseEditing;
class Prompter;

// The phrase editor: an administrator writes the help phrase of one control. Leaving by the
// close box is "Cancel": nothing more is stored.
class PhraseEditorDialog : public QDialog {
    Q_OBJECT
public:
    PhraseEditorDialog(PhraseEditing& rules, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the key and its stored phrase, and puts the focus in the memo.
    void edit(const QString& key);
    QPlainTextEdit* memo() const { return m_memo; }

signals:
    void saved();  // "Save / Return" wrote the phrase

private:
    QWidget* buildButtons();
    void limitMemo();
    void saveAndReturn();
    void checkSpelling();

    PhraseEditing& m_rules;
    Prompter& m_prompter;
    QLineEdit* m_key = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLineEdit* m_count = nullptr;
    QPushButton* m_hideAgent = nullptr;
    bool m_limiting = false;
};

}  // namespace vn
