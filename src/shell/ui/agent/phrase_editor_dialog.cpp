#include "shell/ui/agent/phrase_editor_dialog.h"

#include "platform/prompter.h"
#include "platform/spelling/spell_checker.h"
#include "platform/ui/misspelling_highlighter.h"
#include "platform/ui/named_button.h"
#include "platform/ui/spell_check_dialog.h"
#include "shell/core/agent/phrase_editing.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>

namespace vn {

PhraseEditorDialog::PhraseEditorDialog(PhraseEditing& rules, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_rules(rules), m_prompter(prompter) {
    setObjectName(QStringLiteral("phraseEditorWindow"));
    setWindowTitle(QStringLiteral("Help Phrases"));
    setWindowModality(Qt::ApplicationModal);
    auto* grid = new QGridLayout(this);
    m_key = new QLineEdit(this);
    m_key->setObjectName(QStringLiteral("phraseKeyEdit"));
    m_key->setReadOnly(true);
    grid->addWidget(captionFor(QStringLiteral("Help Phrase Record Key  (Form Number + Component Name)"), m_key, this), 0, 0, 1, 2);
    grid->addWidget(m_key, 1, 0, 1, 2);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("phraseMemo"));
    new MisspellingHighlighter(sessionSpellChecker(), m_memo->document());
    grid->addWidget(captionFor(QStringLiteral("Enter/Modify Help Phrase (255 characters Max)"), m_memo, this), 2, 0, 1, 2);
    grid->addWidget(m_memo, 3, 0, 1, 2);
    m_count = new QLineEdit(QStringLiteral("0"), this);
    m_count->setObjectName(QStringLiteral("characterCountEdit"));
    m_count->setReadOnly(true);
    grid->addWidget(captionFor(QStringLiteral("Character Count:"), m_count, this), 4, 0);
    grid->addWidget(m_count, 4, 1);
    auto* note = new QLabel(QStringLiteral("You must exit this screen via one of these buttons!"), this);
    note->setObjectName(QStringLiteral("exitNote"));
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(red);
    grid->addWidget(note, 5, 0, 1, 2);
    grid->addWidget(buildButtons(), 6, 0, 1, 2);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] { limitMemo(); });
}

QWidget* PhraseEditorDialog::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, box, row](const char* caption, const char* name, auto action) {
        QPushButton* b = namedButton(QString::fromLatin1(caption), name, box);
        connect(b, &QPushButton::clicked, this, action);
        row->addWidget(b);
        return b;
    };
    add("Save / Return", "saveReturnButton", [this] { saveAndReturn(); });
    add("Test Help Phrase", "testPhraseButton", [this] {
        m_rules.test(m_memo->toPlainText());
        m_hideAgent->setEnabled(true);
    });
    add("Check Spelling", "checkSpellingButton", [this] { checkSpelling(); })->setEnabled(SpellChecker::dictionaryInstalled());
    m_hideAgent = add("Hide Agent", "hideAgentButton", [this] {
        m_rules.hideAgent();
        m_hideAgent->setEnabled(false);
    });
    add("Clear Phrase", "clearPhraseButton", [this] { m_memo->clear(); });
    add("Cancel", "cancelButton", [this] { reject(); });
    return box;
}

void PhraseEditorDialog::edit(const QString& key) {
    m_key->setText(key);
    m_memo->setPlainText(m_rules.open(key));
    m_hideAgent->setEnabled(false);
    show();
    raise();
    activateWindow();
    m_memo->setFocus();
}

// The table keeps no more than its field holds: what was typed or pasted past it is taken back,
// rather than losing the end of the phrase when it is stored.
void PhraseEditorDialog::limitMemo() {
    if (m_limiting) return;
    const QScopedValueRollback guard(m_limiting, true);
    const QString text = m_memo->toPlainText();
    const qsizetype excess = text.size() - m_rules.maxLength();
    if (excess > 0) {
        const qsizetype end = std::max<qsizetype>(m_memo->textCursor().position(), excess);
        m_memo->setPlainText(text.left(end - excess) + text.mid(end));
        QTextCursor cursor = m_memo->textCursor();
        cursor.setPosition(int(end - excess));
        m_memo->setTextCursor(cursor);
        m_prompter.beep();
    }
    m_count->setText(QString::number(m_memo->toPlainText().size()));
}

void PhraseEditorDialog::saveAndReturn() {
    m_rules.store(m_memo->toPlainText());
    emit saved();
    accept();
}

void PhraseEditorDialog::checkSpelling() {
    const SpellCheckResult result = SpellCheckDialog::check(sessionSpellChecker(), m_prompter, m_memo->toPlainText(), this);
    if (result.changed) m_memo->setPlainText(result.text);
}

}  // namespace vn
