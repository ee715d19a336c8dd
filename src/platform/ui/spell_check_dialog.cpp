#include "platform/ui/spell_check_dialog.h"

#include "platform/prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vn {

namespace {

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QTextEdit::ExtraSelection highlight(QTextDocument* document, const Misspelling& word) {
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(document);
    selection.cursor.setPosition(int(word.position));
    selection.cursor.setPosition(int(word.position + word.length), QTextCursor::KeepAnchor);
    selection.format.setForeground(Qt::red);
    selection.format.setFontWeight(QFont::Bold);
    selection.format.setFontUnderline(true);
    return selection;
}

}  // namespace

SpellCheckDialog::SpellCheckDialog(SpellChecker& checker, const QString& text, QWidget* parent)
    : QDialog(parent), m_session(checker, text) {
    setObjectName(QStringLiteral("spellCheckDialog"));
    setWindowTitle(QStringLiteral("Check Spelling"));
    build();
    showCurrent();
}

SpellCheckResult SpellCheckDialog::check(SpellChecker& checker, Prompter& prompter, const QString& text, QWidget* parent) {
    SpellCheckDialog dialog(checker, text, parent);
    if (!dialog.hasMisspellings()) {
        prompter.information(QStringLiteral("The spelling check is complete: no misspelt words were found."));
        return dialog.outcome();
    }
    dialog.exec();
    return dialog.outcome();
}

void SpellCheckDialog::build() {
    m_context = new QTextEdit(this);
    m_context->setObjectName(QStringLiteral("contextView"));
    m_context->setAccessibleName(QStringLiteral("Not in Dictionary"));
    m_context->setReadOnly(true);
    m_changeTo = new QLineEdit(this);
    m_changeTo->setObjectName(QStringLiteral("changeToEdit"));
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("suggestionsList"));
    m_suggestions->setAccessibleName(QStringLiteral("Suggestions"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(QStringLiteral("Not in &Dictionary:"), m_context, this), 0, 0);
    grid->addWidget(m_context, 1, 0);
    grid->addWidget(caption(QStringLiteral("C&hange to:"), m_changeTo, this), 2, 0);
    grid->addWidget(m_changeTo, 3, 0);
    grid->addWidget(caption(QStringLiteral("&Suggestions:"), m_suggestions, this), 4, 0);
    grid->addWidget(m_suggestions, 5, 0);
    grid->addWidget(buildButtons(), 1, 1, 5, 1);

    connect(m_suggestions, &QListWidget::currentTextChanged, m_changeTo, &QLineEdit::setText);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this] { act([this] { m_session.change(changeTo()); }); });
}

QWidget* SpellCheckDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& text, const char* name, const std::function<void()>& action) {
        auto* b = new QPushButton(text, panel);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, [this, action] { act(action); });
        column->addWidget(b);
        return b;
    };
    add(QStringLiteral("&Ignore"), "ignoreButton", [this] { m_session.ignore(); });
    add(QStringLiteral("I&gnore All"), "ignoreAllButton", [this] { m_session.ignoreAll(); });
    add(QStringLiteral("&Add to Dictionary"), "addToDictionaryButton", [this] { m_session.addToDictionary(); });
    add(QStringLiteral("&Change"), "changeButton", [this] { m_session.change(changeTo()); })->setDefault(true);
    add(QStringLiteral("Change A&ll"), "changeAllButton", [this] { m_session.changeAll(changeTo()); });
    column->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), panel);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(close);
    return panel;
}

QString SpellCheckDialog::changeTo() const { return m_changeTo->text(); }

void SpellCheckDialog::act(const std::function<void()>& action) {
    action();
    if (m_session.atEnd())
        accept();
    else
        showCurrent();
}

void SpellCheckDialog::showCurrent() {
    m_context->setPlainText(m_session.text());
    m_suggestions->clear();
    if (m_session.atEnd()) return;
    const Misspelling& word = m_session.current();
    m_context->setExtraSelections({highlight(m_context->document(), word)});
    QTextCursor at(m_context->document());
    at.setPosition(int(word.position));
    m_context->setTextCursor(at);
    m_context->ensureCursorVisible();
    m_changeTo->setText(word.word);
    m_suggestions->addItems(m_session.suggestions());
    if (m_suggestions->count() > 0) m_suggestions->setCurrentRow(0);
    m_changeTo->selectAll();
    m_changeTo->setFocus();
}

}  // namespace vn
