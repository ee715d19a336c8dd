#pragma once

#include "platform/spelling/spell_check_session.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QListWidget;
class QTextEdit;

namespace vn {

class Prompter;
class SpellChecker;

struct SpellCheckResult {
    QString text;
    bool changed = false;
};

// Steps through the misspellings of a text: the word in its context, suggestions, "Change to",
// Change / Change All / Ignore / Ignore All / Add / Close. Finishes (accepted) after the last one;
// Close keeps the changes made so far.
class SpellCheckDialog : public QDialog {
    Q_OBJECT
public:
    SpellCheckDialog(SpellChecker& checker, const QString& text, QWidget* parent = nullptr);

    // Runs the dialog modally; when nothing is misspelt it says so and returns at once.
    static SpellCheckResult check(SpellChecker& checker, Prompter& prompter, const QString& text,
                                  QWidget* parent = nullptr);

    bool hasMisspellings() const { return !m_session.atEnd(); }
    SpellCheckResult outcome() const { return {m_session.text(), m_session.changed()}; }

private:
    void build();
    QWidget* buildButtons();
    void act(const std::function<void()>& action);
    void showCurrent();
    QString changeTo() const;

    SpellCheckSession m_session;
    QTextEdit* m_context = nullptr;
    QListWidget* m_suggestions = nullptr;
    QLineEdit* m_changeTo = nullptr;
};

}  // namespace vn
