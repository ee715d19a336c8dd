#include "designer/lists/list_information.h"

#include "lists/definitions/list_fields.h"
#include "lists/records/list_clone.h"
#include "lists/records/list_code.h"
#include "lists/records/list_removal.h"
#include "lists/records/record_tables.h"
#include "platform/prompter.h"
#include "shell/core/session.h"

namespace vn {

namespace {

constexpr int kTitleField = list_field::kTitle;
constexpr int kPasswordField = list_field::kPassword;
constexpr int kHeaderVisibilityField = list_field::kHeaderVisibility;
constexpr int kDescriptionField = list_field::kDescription;
const char* const kMasterPassword = "quillbarrow";
using Focus = ListInformationView::Focus;

}  // namespace

ListInformation::ListInformation(Session& session) : m_session(session) {}

void ListInformation::fillLists() {
    m_view.lists.clear();
    RecordAccess& a = m_session.access;
    for (const QString& code : m_session.listCodes)
        if (a.FindRecord(kListSlot, code)) m_view.lists << code + QStringLiteral("  ") + a.GetFieldText(kListSlot, kTitleField);
}

// Always by code: a write must never land in whichever row was looked up last.
void ListInformation::writeListField(const QString& code, int field, const QString& value) {
    if (code.isEmpty() || !m_session.access.FindRecord(kListSlot, code)) return;
    m_session.access.SetFieldText(kListSlot, field, value);
}

void ListInformation::open() {
    m_view = {};
    m_newList = false;
    forgetChoice();
    fillLists();
}

void ListInformation::newList() {
    m_view.codeReadOnly = false;
    m_view.code.clear();
    m_view.title.clear();
    m_view.descriptionVisible = false;
    m_view.focus = Focus::Code;
    m_newList = true;
}

void ListInformation::leaveCode(const QString& typed) {
    if (typed.isEmpty()) {
        m_view.codeReadOnly = true;
        return;
    }
    const ListCodeCheck check = checkListCode(typed);
    if (!check.ok()) {
        m_session.prompter.error(check.error);
        m_view.code.clear();
        m_session.currentListCode.clear();
        m_view.focus = Focus::Code;
        return;
    }
    m_view.code = check.code;
    m_session.currentListCode = check.code;
    const bool exists = m_session.listCodes.contains(check.code) && m_session.access.FindRecord(kListSlot, check.code);
    m_view.addEnabled = !exists;
    m_view.deleteEnabled = exists;
    m_view.focus = exists ? Focus::Exit : Focus::Title;
    if (exists) m_view.title = m_session.access.GetFieldText(kListSlot, kTitleField);
}

void ListInformation::leaveTitle(const QString& title) {
    if (title.isEmpty()) return;
    m_view.title = title;
    if (m_newList) {
        m_view.focus = Focus::Add;
        return;
    }
    writeListField(m_session.currentListCode, kTitleField, title);
    m_view.focus = Focus::Exit;
    fillLists();
}

void ListInformation::add() {
    const QString code = m_view.code;
    if (code.isEmpty()) return;
    RecordAccess& a = m_session.access;
    Transaction tx(a.database(kListSlot));
    a.EnsureRecord(kListSlot, code);
    a.SetFieldText(kListSlot, kTitleField, m_view.title);
    for (int f = 2; f <= 7; ++f) a.SetFieldInt(kListSlot, f, 0);
    a.SetFieldInt(kListSlot, 8, 1);
    tx.commit();
    m_view.addEnabled = false;
    m_view.codeReadOnly = true;
    reloadListCodes(m_session);
    fillLists();
    m_session.currentListCode = code;
    m_session.currentListTitle = m_view.title;
    m_newList = false;
}

void ListInformation::chooseList(int row) {
    if (row < 0 || row >= m_view.lists.size()) return;
    if (!m_selectedCode.isEmpty()) writeListField(m_selectedCode, kTitleField, m_view.title);
    forgetChoice();
    const QString code = m_view.lists[row].left(3);
    m_session.currentListCode = code;
    RecordAccess& a = m_session.access;
    if (!a.FindRecord(kListSlot, code)) return;
    m_view.chosenRow = row;
    m_view.webServiceEnabled = true;
    m_hasRecords = a.FindNearestPrefix(kHeadSlot, code, 3, true);
    a.FindRecord(kListSlot, code);
    m_selectedCode = code;
    m_view.code = code;
    m_view.title = a.GetFieldText(kListSlot, kTitleField);
    m_session.currentListTitle = m_view.title;
    m_view.deleteEnabled = true;
    m_view.passwordGroupVisible = true;
    m_view.descriptionVisible = true;
    m_view.description = a.GetFieldText(kListSlot, kDescriptionField);
    const QString visibility = a.GetFieldText(kListSlot, kHeaderVisibilityField);
    for (int i = 0; i < 15; ++i) m_headerFlags[i] = visibility.isEmpty() || visibility.mid(i, 1) == QLatin1String("T");
    showPasswordState(a.GetFieldText(kListSlot, kPasswordField));
    m_session.definitions.reset();
}

// Typed passwords belong to the list they were typed for.
void ListInformation::forgetChoice() {
    m_selectedCode.clear();
    m_view.chosenRow = -1;
    m_newPassword.clear();
    m_clearPasswords = true;
}

void ListInformation::showPasswordState(const QString& stored) {
    m_storedPassword = stored;
    m_failedAttempts = 0;
    m_view.createPasswordVisible = stored.isEmpty();
    m_view.accessPasswordVisible = !stored.isEmpty();
    m_view.fieldsEnabled = stored.isEmpty();
    m_view.focus = stored.isEmpty() ? Focus::None : Focus::AccessPassword;
}

void ListInformation::enterAccessPassword(const QString& password) {
    if (m_failedAttempts >= 3) {
        m_failedAttempts = 0;
        m_view.passwordGroupVisible = false;
        forgetChoice();
        return;
    }
    if (password.compare(QLatin1String(kMasterPassword), Qt::CaseInsensitive) == 0 ||
        (!m_storedPassword.isEmpty() && password.compare(m_storedPassword, Qt::CaseInsensitive) == 0)) {
        m_failedAttempts = 0;
        m_view.fieldsEnabled = true;
        m_view.createPasswordVisible = true;
        m_view.accessPasswordVisible = false;
        return;
    }
    ++m_failedAttempts;
    m_view.focus = Focus::AccessPassword;
}

void ListInformation::leaveNewPassword(const QString& password) {
    m_newPassword = password;
    if (!password.isEmpty()) m_view.focus = Focus::VerifyPassword;
}

void ListInformation::leaveVerifyPassword(const QString& password) {
    if (password.compare(m_newPassword, Qt::CaseInsensitive) != 0) {
        m_session.prompter.beep();
        m_session.prompter.warning(QStringLiteral("New Password and Verify Password do not match!\r\rEnter a new password pair"));
        m_newPassword.clear();
        m_view.focus = Focus::NewPassword;
        return;
    }
    m_storedPassword = m_newPassword;
    writeListField(m_selectedCode, kPasswordField, m_newPassword);
}

QString ListInformation::editDescription(const QString& text) {
    m_view.description = text;
    if (text.size() > kDescriptionLength) {
        m_session.prompter.beep();
        m_session.prompter.warning(QStringLiteral("Text entry can not exceed 232 characters.  The text will be truncated"));
        m_view.description = text.left(kDescriptionLength);
    }
    return m_view.description;
}

void ListInformation::saveDescription() { writeListField(m_selectedCode, kDescriptionField, m_view.description); }

void ListInformation::clearDescription() { m_view.description.clear(); }

void ListInformation::exitView() {
    if (!m_selectedCode.isEmpty()) {
        writeListField(m_selectedCode, kTitleField, m_view.title);
        writeListField(m_selectedCode, kDescriptionField, m_view.description);
    }
    m_view.fieldsEnabled = false;
}

void ListInformation::deleteList() {
    const QString code = m_view.code;
    if (code.isEmpty()) return;
    m_session.prompter.beep();
    const Answer answer = m_session.prompter.confirmation(
        QStringLiteral("Caution!  If you delete this data list code, any and all data records that have been entered "
                       "under this code will be deleted.\r\rConfirm Code and Data Deletion."),
        Buttons::OkNo);
    if (answer != Answer::Ok) return;
    DeleteWholeList(m_session.access, code);
    m_session.currentListCode.clear();
    m_session.currentListTitle.clear();
    forgetChoice();
    m_view.code.clear();
    m_view.title.clear();
    m_view.description.clear();
    m_view.descriptionVisible = false;
    m_view.passwordGroupVisible = false;
    m_view.deleteEnabled = false;
    m_view.fieldsEnabled = false;
    reloadListCodes(m_session);
    fillLists();
}

void ListInformation::cloneTextsChanged(const QString& oldCode, const QString& newCode, const QString& newTitle) {
    m_view.cloneEnabled = !oldCode.isEmpty() && !newCode.isEmpty() && !newTitle.isEmpty();
}

void ListInformation::createClone(const QString& oldCode, const QString& newCode, const QString& newTitle) {
    const QString refusal = CloneList(m_session.access, oldCode, newCode, newTitle);
    if (!refusal.isEmpty()) {
        m_session.prompter.beep();
        m_session.prompter.error(refusal);
        return;
    }
    reloadListCodes(m_session);
    fillLists();
}

}  // namespace vn
