#include "designer/web/web_form.h"

#include "designer/web/header_visibility.h"
#include "lists/definitions/list_fields.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

namespace vn {

namespace {

using In = WebFormInput;

struct EditRule {
    int field;
    const char* refusal;
    In next;  // focused after a good entry while it is still empty
};

// By edit: return address, agency name, password, expiration date.
const EditRule kEdits[] = {
    {list_field::kReturnAddress, "You MUST enter a valid return email address!", In::Password},
    {list_field::kAgencyName, "You MUST enter a Submission Agency Name!", In::ReturnAddress},
    {list_field::kPassword, "You MUST enter a Form Password for the web!", In::ExpirationDate},
    {list_field::kExpirationDate, "You MUST enter a Auto Expiration Date!", In::Instructions},
};

const QString kTooLong = QStringLiteral("Text entry can not exceed 222 characters.  The text will be truncated");
const QString kConfirmBuild = QStringLiteral(
    "Are you sure you have included all of the needed fields, help phrases, page labels, allowable field input "
    "information and set all field locations to your satisfaction?\r\rHave you entered a Data Submission Agency "
    "name?\r\rIs the Data Submission Agency email address correct?\r\rHave you entered and remembered the form "
    "password?\r\rHave you entered a form expiration date?");

}  // namespace

const QString WebForm::kDefaultPassword = QStringLiteral("webf");

WebForm::WebForm(RecordAccess& access, Prompter& prompter, QString listCode)
    : m_access(access), m_prompter(prompter), m_listCode(std::move(listCode)) {}

QString WebForm::field(int number) const {
    return m_access.FindRecord(kListSlot, m_listCode) ? m_access.GetFieldText(kListSlot, number) : QString();
}

void WebForm::write(int number, const QString& text) {
    m_access.EnsureRecord(kListSlot, m_listCode);
    m_access.SetFieldText(kListSlot, number, text);
}

void WebForm::open() {
    m_state = {};
    for (std::size_t i = 0; i < m_state.edits.size(); ++i) m_state.edits[i] = field(kEdits[i].field);
    m_state.instructions = field(list_field::kInstructions);
    m_state.description = field(list_field::kDescription);
    HeaderVisibility visibility(m_access, m_listCode);
    visibility.read();
    visibility.write();
    write(list_field::kWebFormOpened, QStringLiteral("1"));
    // The default password counts as given, so it is shown where it can be seen and changed.
    if (m_state.edits[std::size_t(In::Password)].isEmpty()) {
        m_state.edits[std::size_t(In::Password)] = kDefaultPassword;
        write(list_field::kPassword, kDefaultPassword);
    }
    if (field(list_field::kHeaderLinkCode).isEmpty()) write(list_field::kHeaderLinkCode, QStringLiteral("0"));
    if (m_state.instructions.isEmpty()) {
        m_state.instructions = QStringLiteral("No Special Instructions");
        write(list_field::kInstructions, m_state.instructions);
    }
    if (m_state.description.isEmpty()) {
        m_state.description = QStringLiteral("No List Description");
        write(list_field::kDescription, m_state.description);
    }
    refreshBuild();
    m_focus.reset();
    if (m_state.buildEnabled) m_focus = In::Build;
}

bool WebForm::given(WebFormInput input) const {
    if (input == In::Instructions) return !m_state.instructions.isEmpty();
    return !m_state.edits[std::size_t(input)].isEmpty();
}

void WebForm::leave(WebFormInput input, const QString& text) {
    if (input > In::ExpirationDate) return;
    const EditRule& rule = kEdits[std::size_t(input)];
    m_focus.reset();
    m_state.edits[std::size_t(input)] = text;
    if (text.isEmpty()) {
        m_prompter.beep();
        m_prompter.warning(QString::fromLatin1(rule.refusal));
        m_focus = input;
    } else {
        write(rule.field, text);
        if (!given(rule.next)) m_focus = rule.next;
    }
    refreshBuild();
}

void WebForm::editInstructions(const QString& text) {
    m_state.instructions = text;
    if (text.size() > kInstructionsLength) {
        m_prompter.beep();
        m_prompter.warning(kTooLong);
        m_state.instructions = text.left(kInstructionsLength);
    }
    refreshBuild();
}

bool WebForm::confirmBuild() {
    if (!m_state.buildEnabled) return false;
    m_prompter.beep();
    if (m_prompter.confirmation(kConfirmBuild, Buttons::OkNo) != Answer::Ok) return false;
    write(list_field::kInstructions, m_state.instructions);
    return true;
}

void WebForm::refreshBuild() {
    m_state.buildEnabled =
        given(In::ReturnAddress) && given(In::AgencyName) && given(In::Instructions) && given(In::Password);
}

}  // namespace vn
