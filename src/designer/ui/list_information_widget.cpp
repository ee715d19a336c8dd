#include "designer/ui/list_information_widget.h"

#include "platform/ui/control_help_filter.h"

#include "designer/lists/list_information.h"
#include "platform/prompter.h"
#include "platform/spelling/spell_checker.h"
#include "platform/ui/spell_check_dialog.h"
#include "store/engine/store_error.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace vn {

namespace {

QLineEdit* lineEdit(const char* objectName, QWidget* parent, bool secret = false) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    if (secret) edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QPushButton* button(const QString& caption, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(true);  // Return on a focused button presses it, as users expect
    return b;
}

QGroupBox* group(const QString& title, const char* objectName, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

// Runs a block when a plain text box loses the focus: "leaving the memo".
class FocusOutFilter : public QObject {
public:
    FocusOutFilter(QObject* parent, std::function<void()> onLeave) : QObject(parent), m_onLeave(std::move(onLeave)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) m_onLeave();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onLeave;
};

// Replaces the memo's text as one undoable edit, so textChanged runs the typing rules.
void replaceText(QPlainTextEdit* edit, const QString& text) {
    QTextCursor all(edit->document());
    all.select(QTextCursor::Document);
    all.insertText(text);
}

}  // namespace

ListInformationWidget::ListInformationWidget(ListInformation& rules, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_rules(rules), m_prompter(prompter) {
    setObjectName(QStringLiteral("listInformationView"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildListBox());
    left->addWidget(buildCloneBox());
    layout->addLayout(left, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildDescriptionBox());
    right->addWidget(buildPasswordBox());
    right->addStretch();
    layout->addLayout(right, 1);
}

QWidget* ListInformationWidget::buildListBox() {
    auto* box = group(QStringLiteral("Enter List Information"), "listInformationGroup", this);
    auto* form = new QFormLayout(box);
    m_code = lineEdit("codeEdit", box);
    m_code->setMaxLength(3);
    form->addRow(QStringLiteral("Code"), m_code);
    m_title = lineEdit("titleEdit", box);
    m_title->setMaxLength(60);
    form->addRow(QStringLiteral("Title"), m_title);
    m_lists = new QListWidget(box);
    m_lists->setObjectName(QStringLiteral("currentListsList"));
    m_lists->setAccessibleName(QStringLiteral("Current Data Lists"));
    form->addRow(QStringLiteral("Current Data Lists..."), m_lists);
    auto* buttons = new QHBoxLayout;
    m_new = button(QStringLiteral("New"), "newButton", box);
    m_add = button(QStringLiteral("Add"), "addButton", box);
    m_delete = button(QStringLiteral("Delete"), "deleteButton", box);
    m_exit = button(QStringLiteral("Exit"), "exitButton", box);
    for (QPushButton* b : {m_new, m_add, m_delete, m_exit}) buttons->addWidget(b);
    form->addRow(buttons);
    connect(m_new, &QPushButton::clicked, this, [this] { after([this] { m_rules.newList(); }); });
    connect(m_code, &QLineEdit::editingFinished, this, [this] { after([this] { m_rules.leaveCode(m_code->text()); }); });
    connect(m_title, &QLineEdit::editingFinished, this, [this] { after([this] { m_rules.leaveTitle(m_title->text()); }); });
    connect(m_add, &QPushButton::clicked, this, [this] { after([this] { m_rules.add(); }); });
    connect(m_delete, &QPushButton::clicked, this, [this] { after([this] { m_rules.deleteList(); }); });
    connect(m_lists, &QListWidget::itemClicked, this, [this] { after([this] { m_rules.chooseList(m_lists->currentRow()); }); });
    connect(m_exit, &QPushButton::clicked, this, [this] {
        after([this] { m_rules.exitView(); });
        emit exitRequested();
    });
    return box;
}

QWidget* ListInformationWidget::buildDescriptionBox() {
    m_descriptionBox = group(QStringLiteral("Please enter a description of the current data list (recommended for any list "
                                            "whose web form file will be posted to the central web service)"),
                             "descriptionGroup", this);
    auto* layout = new QVBoxLayout(m_descriptionBox);
    m_description = new QPlainTextEdit(m_descriptionBox);
    m_description->setObjectName(QStringLiteral("descriptionEdit"));
    m_description->setAccessibleName(QStringLiteral("Description Text"));
    layout->addWidget(m_description);
    auto* text = group(QStringLiteral("Description Text:"), "descriptionTextGroup", m_descriptionBox);
    auto* buttons = new QHBoxLayout(text);
    QPushButton* save = button(QStringLiteral("Save..."), "saveDescriptionButton", text);
    QPushButton* clear = button(QStringLiteral("Clear..."), "clearDescriptionButton", text);
    QPushButton* spell = button(QStringLiteral("Check Spelling..."), "checkSpellingButton", text);
    spell->setEnabled(SpellChecker::dictionaryInstalled());
    for (QPushButton* b : {save, clear, spell}) buttons->addWidget(b);
    layout->addWidget(text);
    connect(m_description, &QPlainTextEdit::textChanged, this, [this] {
        if (m_rendering) return;
        const QString kept = m_rules.editDescription(m_description->toPlainText());
        if (kept != m_description->toPlainText()) {
            m_rendering = true;
            m_description->setPlainText(kept);
            m_rendering = false;
        }
    });
    connect(save, &QPushButton::clicked, this, [this] { after([this] { m_rules.saveDescription(); }); });
    connect(clear, &QPushButton::clicked, this, [this] { after([this] { m_rules.clearDescription(); }); });
    connect(spell, &QPushButton::clicked, this, [this] {
        const SpellCheckResult checked =
            SpellCheckDialog::check(sessionSpellChecker(), m_prompter, m_description->toPlainText(), this);
        if (checked.changed) replaceText(m_description, checked.text);
        m_description->setFocus();  // saved on leaving the memo, as typed text is
    });
    m_description->installEventFilter(new FocusOutFilter(this, [this] { after([this] { m_rules.saveDescription(); }); }));
    return m_descriptionBox;
}

QWidget* ListInformationWidget::buildPasswordBox() {
    m_passwordBox = group(QStringLiteral("Structure Passwording..."), "passwordGroup", this);
    auto* layout = new QVBoxLayout(m_passwordBox);
    auto* note = new QLabel(QStringLiteral(
        "The structure of this data list can be passworded against additions, modifications, and deletions.  To "
        "password, enter a New password and then the matching Verify password.  This password will be required for "
        "future structure access."), m_passwordBox);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_createPassword = group(QStringLiteral("Create / Change Password..."), "createPasswordGroup", m_passwordBox);
    auto* create = new QFormLayout(m_createPassword);
    m_newPassword = lineEdit("newPasswordEdit", m_createPassword, true);
    m_verifyPassword = lineEdit("verifyPasswordEdit", m_createPassword, true);
    create->addRow(QStringLiteral("New Password"), m_newPassword);
    create->addRow(QStringLiteral("Verify Password"), m_verifyPassword);
    layout->addWidget(m_createPassword);
    m_accessPassword = group(QStringLiteral("Access Via Password..."), "accessPasswordGroup", m_passwordBox);
    auto* access = new QFormLayout(m_accessPassword);
    m_enterPassword = lineEdit("enterPasswordEdit", m_accessPassword, true);
    access->addRow(QStringLiteral("Enter Password"), m_enterPassword);
    layout->addWidget(m_accessPassword);
    connect(m_newPassword, &QLineEdit::editingFinished, this,
            [this] { after([this] { m_rules.leaveNewPassword(m_newPassword->text()); }); });
    connect(m_verifyPassword, &QLineEdit::editingFinished, this, [this] {
        const QString verify = m_verifyPassword->text();
        after([this, verify] { m_rules.leaveVerifyPassword(verify); });
    });
    connect(m_enterPassword, &QLineEdit::editingFinished, this, [this] {
        const QString entered = m_enterPassword->text();
        m_enterPassword->clear();
        after([this, entered] { m_rules.enterAccessPassword(entered); });
    });
    return m_passwordBox;
}

QWidget* ListInformationWidget::buildCloneBox() {
    auto* box = group(QStringLiteral("Form Cloning..."), "cloneGroup", this);
    auto* form = new QFormLayout(box);
    m_oldCode = lineEdit("oldCodeEdit", box);
    m_newCode = lineEdit("newCodeEdit", box);
    m_newTitle = lineEdit("newFormTitleEdit", box);
    form->addRow(QStringLiteral("Old (existing) form code (Ex: ABC)"), m_oldCode);
    form->addRow(QStringLiteral("New form code (Ex: DEF)"), m_newCode);
    form->addRow(QStringLiteral("New Form Title:"), m_newTitle);
    auto* note = new QLabel(QStringLiteral(
        "Note: This feature is used to create a complete exact clone of an existing form.  It will copy all header "
        "information, all existing (1 to 6) form pages, all selection list items, etc.  With the exception of a "
        "different three letter code and title the new form will be identical to the cloned form."), box);
    note->setWordWrap(true);
    form->addRow(note);
    m_createClone = button(QStringLiteral("Create New Form"), "createNewFormButton", box);
    form->addRow(m_createClone);
    for (QLineEdit* edit : {m_oldCode, m_newCode, m_newTitle})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            after([this] { m_rules.cloneTextsChanged(m_oldCode->text(), m_newCode->text(), m_newTitle->text()); });
        });
    connect(m_createClone, &QPushButton::clicked, this, [this] {
        m_oldCode->setText(m_oldCode->text().toLower());
        m_newCode->setText(m_newCode->text().toLower());
        after([this] { m_rules.createClone(m_oldCode->text(), m_newCode->text(), m_newTitle->text()); });
    });
    return box;
}

// Every action goes through the rules, then the view is drawn again from their state.
void ListInformationWidget::after(const std::function<void()>& action) {
    if (m_rendering) return;
    try {
        action();
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
    render();
}

void ListInformationWidget::render() {
    m_rendering = true;
    const ListInformationView& v = m_rules.view();
    if (m_code->text() != v.code) m_code->setText(v.code);
    m_code->setReadOnly(v.codeReadOnly);
    if (m_title->text() != v.title) m_title->setText(v.title);
    QStringList shown;
    for (int i = 0; i < m_lists->count(); ++i) shown << m_lists->item(i)->text();
    if (shown != v.lists) {
        m_lists->clear();
        m_lists->addItems(v.lists);
    }
    m_lists->setCurrentRow(v.chosenRow);
    m_add->setEnabled(v.addEnabled);
    m_delete->setEnabled(v.deleteEnabled);
    m_descriptionBox->setVisible(v.descriptionVisible);
    if (m_description->toPlainText() != v.description) m_description->setPlainText(v.description);
    m_passwordBox->setVisible(v.passwordGroupVisible);
    m_createPassword->setVisible(v.createPasswordVisible);
    m_accessPassword->setVisible(v.accessPasswordVisible);
    m_createClone->setEnabled(v.cloneEnabled);
    if (m_rules.takePasswordClearing())
        for (QLineEdit* edit : {m_newPassword, m_verifyPassword, m_enterPassword}) edit->clear();
    m_rendering = false;
    applyFocus();
    emit fieldsAccessChanged(v.fieldsEnabled);
}

void ListInformationWidget::applyFocus() {
    using Focus = ListInformationView::Focus;
    switch (m_rules.takeFocus()) {
    case Focus::Code: m_code->setFocus(); break;
    case Focus::Title: m_title->setFocus(); break;
    case Focus::Add: m_add->setFocus(); break;
    case Focus::Exit: m_exit->setFocus(); break;
    case Focus::NewPassword:
        m_newPassword->clear();
        m_verifyPassword->clear();
        m_newPassword->setFocus();
        break;
    case Focus::VerifyPassword: m_verifyPassword->setFocus(); break;
    case Focus::AccessPassword: m_enterPassword->setFocus(); break;
    case Focus::None: break;
    }
}

void ListInformationWidget::offerControlHelp(std::function<HelpAgent&()> agent) {
    auto* help = new ControlHelpFilter(std::move(agent), this);
    for (QWidget* control : findChildren<QWidget*>()) {
        // A caption is known by the box it names, so its phrase survives changes of layout.
        auto* caption = qobject_cast<QLabel*>(control);
        if (caption && caption->objectName().isEmpty() && caption->buddy())
            caption->setObjectName(caption->buddy()->objectName() + QStringLiteral("Label"));
        const bool asks = caption || qobject_cast<QPushButton*>(control);
        if (asks && !control->objectName().isEmpty()) help->watch(control);
    }
    for (QWidget* control : {static_cast<QWidget*>(m_lists), static_cast<QWidget*>(m_passwordBox)}) help->watch(control);
}

}  // namespace vn
