#include "designer/ui/web_form_view.h"

#include "platform/spelling/spell_checker.h"
#include "platform/ui/named_button.h"
#include "platform/ui/spell_check_dialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr const char* kEditCaptions[] = {"Data Submission Agency Email Address: (Required)",
                                         "Data Submission Agency Name: (Required)", "Form Password: (Required)",
                                         "Form Auto Expiration Date (MM/DD/YY format only):"};
constexpr const char* kEditNames[] = {"returnAddressEdit", "agencyNameEdit", "formPasswordEdit", "expirationDateEdit"};

}  // namespace

WebFormView::WebFormView(Prompter& prompter, QWidget* parent) : QWidget(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("webFormView"));
    auto* box = new QGroupBox(QStringLiteral("Web based form file generation..."), this);
    box->setObjectName(QStringLiteral("webFormGroup"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(box);
    auto* layout = new QVBoxLayout(box);
    auto* about = new QLabel(QStringLiteral("A form file of this data list can be produced for the web: posted to "
                                            "Varnedo Central, the form can be filled in by people anywhere and the "
                                            "records collected there downloaded into this list."),
                             box);
    about->setWordWrap(true);
    layout->addWidget(about);
    layout->addWidget(buildInstructions());
    layout->addWidget(buildEdits());
    auto* buttons = new QHBoxLayout;
    m_build = namedButton(QStringLiteral("Build Web Based Form Control File (FCF) now"), "buildFcfButton", box);
    m_build->setToolTip(QStringLiteral("Enter the agency's return email address, its name, the form password and "
                                       "the special instructions first."));
    auto* exit = namedButton(QStringLiteral("Exit"), "webFormExitButton", box);
    buttons->addWidget(m_build);
    buttons->addStretch(1);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    layout->addStretch(1);
    connect(m_build, &QPushButton::clicked, this, [this] {
        if (m_rules && m_rules->confirmBuild()) emit buildConfirmed();
    });
    connect(exit, &QPushButton::clicked, this, &WebFormView::exitClicked);
}

WebFormView::~WebFormView() = default;

QWidget* WebFormView::buildInstructions() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_instructions = new QPlainTextEdit(box);
    m_instructions->setObjectName(QStringLiteral("instructionsMemo"));
    m_instructions->setFixedHeight(80);
    auto* caption = new QLabel(
        QStringLiteral("Enter any special instructions for filling out the form (Note: 222 characters max)..."), box);
    caption->setBuddy(m_instructions);
    layout->addWidget(caption);
    layout->addWidget(m_instructions);
    auto* row = new QHBoxLayout;
    auto* spell = namedButton(QStringLiteral("Check Special Instruction Spelling"), "instructionsSpellButton", box);
    auto* clear = namedButton(QStringLiteral("Clear Special Instruction text"), "clearInstructionsButton", box);
    row->addWidget(spell);
    row->addWidget(clear);
    row->addStretch(1);
    layout->addLayout(row);
    connect(m_instructions, &QPlainTextEdit::textChanged, this, [this] {
        if (m_rendering || !m_rules) return;
        m_rules->editInstructions(m_instructions->toPlainText());
        render();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        if (!m_rules) return;
        m_rules->clearInstructions();
        render();
    });
    connect(spell, &QPushButton::clicked, this, [this] {
        const SpellCheckResult checked =
            SpellCheckDialog::check(sessionSpellChecker(), m_prompter, m_instructions->toPlainText(), this);
        if (checked.changed) m_instructions->setPlainText(checked.text);  // runs the length rule
    });
    return box;
}

QWidget* WebFormView::buildEdits() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(kEditNames[i]));
        edit->installEventFilter(this);
        const auto input = WebFormInput(i);
        connect(edit, &QLineEdit::returnPressed, this, [this, input] { leave(input); });
        form->addRow(QString::fromLatin1(kEditCaptions[i]), edit);
        m_edits[i] = edit;
    }
    return box;
}

void WebFormView::open(std::unique_ptr<WebForm> rules) {
    m_rules = std::move(rules);
    m_rules->open();
    render();
}

// An edit is left when the focus moves to another control of this view; the view hiding or the
// window losing the focus is not leaving it, so a refusal never pulls the focus back in a loop.
bool WebFormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && isVisible() && !m_rendering) {
        QWidget* next = QApplication::focusWidget();
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && next && next != edit && isAncestorOf(next))
            for (std::size_t i = 0; i < m_edits.size(); ++i)
                if (m_edits[i] == edit) leave(WebFormInput(i));
    }
    return QWidget::eventFilter(watched, event);
}

void WebFormView::leave(WebFormInput input) {
    if (!m_rules) return;
    m_rules->leave(input, m_edits[std::size_t(input)]->text());
    render();
}

QWidget* WebFormView::inputWidget(WebFormInput input) const {
    if (input == WebFormInput::Instructions) return m_instructions;
    if (input == WebFormInput::Build) return m_build;
    return m_edits[std::size_t(input)];
}

void WebFormView::render() {
    if (!m_rules) return;
    m_rendering = true;
    const WebFormState& s = m_rules->state();
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        if (m_edits[i]->text() != s.edits[i]) m_edits[i]->setText(s.edits[i]);
    if (m_instructions->toPlainText() != s.instructions) {
        m_instructions->setPlainText(s.instructions);
        m_instructions->moveCursor(QTextCursor::End);
    }
    m_build->setEnabled(s.buildEnabled);
    if (const std::optional<WebFormInput> focus = m_rules->takeFocus()) inputWidget(*focus)->setFocus();
    m_rendering = false;
}

}  // namespace vn
