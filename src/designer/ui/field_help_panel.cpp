#include "designer/ui/field_help_panel.h"

#include "designer/page_designer/field_help.h"
#include "platform/ui/named_button.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vn {

FieldHelpPanel::FieldHelpPanel(QWidget* parent) : QGroupBox(QStringLiteral("Enter/Modify Agent Help"), parent) {
    setObjectName(QStringLiteral("fieldHelpView"));
    auto* layout = new QVBoxLayout(this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("helpTextEdit"));
    m_memo->setTabChangesFocus(true);
    layout->addWidget(captionFor(QStringLiteral("Enter Help Text Here..."), m_memo, this));
    layout->addWidget(m_memo, 1);
    m_preview = namedButton(QStringLiteral("Preview Agent Help"), "previewHelpButton", this);
    QPushButton* save = namedButton(QStringLiteral("Save Help Dialog"), "saveHelpButton", this);
    QPushButton* hide = namedButton(QStringLiteral("Hide Agent"), "hideAgentButton", this);
    for (QPushButton* b : {m_preview, save, hide}) layout->addWidget(b);
    auto* note = new QLabel(QStringLiteral("Note: All agent help will be available when the data list is being used."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] { limitText(); });
    connect(m_preview, &QPushButton::clicked, this, [this] {
        if (m_help) m_help->preview(text());
    });
    connect(hide, &QPushButton::clicked, this, [this] {
        if (m_help) m_help->hideAgent();
    });
    connect(save, &QPushButton::clicked, this, &FieldHelpPanel::saveClicked);
}

void FieldHelpPanel::open(FieldHelp& help) {
    m_help = &help;
    const QSignalBlocker quiet(m_memo);
    m_memo->setPlainText(help.text());
    m_preview->setEnabled(help.previewEnabled());
    m_memo->moveCursor(QTextCursor::End);
    m_memo->setFocus();
}

QString FieldHelpPanel::text() const { return m_memo->toPlainText(); }

// The memo takes no more than the help text holds; what a paste brings beyond it is cut in sight.
void FieldHelpPanel::limitText() {
    if (!m_help) return;
    const QString typed = text();
    const QString kept = m_help->limited(typed);
    if (kept == typed) return;
    const QSignalBlocker quiet(m_memo);
    m_memo->setPlainText(kept);
    m_memo->moveCursor(QTextCursor::End);
}

}  // namespace vn
