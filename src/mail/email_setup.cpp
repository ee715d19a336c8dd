#include "mail/email_setup.h"

#include "store/settings/parameter_reading.h"
#include "store/settings/settings.h"

namespace vn {

namespace {

using F = EmailSetup::Field;

constexpr std::array<std::pair<F, const char*>, 7> kKeys{{
    {F::Sender, "ESender"},
    {F::Server, "EServer"},
    {F::User, "EUser"},
    {F::Domain, "EDomain"},
    {F::SendTo, "ESendTo"},
    {F::Password, "EPassword"},
    {F::IspPhone, "EISPPhone"},
}};

constexpr char kMethodKey[] = "EMethod";

}  // namespace

EmailSetup::EmailSetup(RecordAccess& access, MailSettings& settings, Changed changed)
    : m_access(access), m_settings(settings), m_changed(std::move(changed)) {}

const char* EmailSetup::key(Field field) {
    for (const auto& [f, k] : kKeys)
        if (f == field) return k;
    return "";
}

QString& EmailSetup::slot(Field field) const {
    switch (field) {
    case F::Sender: return m_settings.sender;
    case F::Server: return m_settings.server;
    case F::User: return m_settings.user;
    case F::Domain: return m_settings.domain;
    case F::SendTo: return m_settings.sendTo;
    case F::Password: return m_settings.password;
    case F::IspPhone: break;
    }
    return m_settings.ispPhone;
}

void EmailSetup::refresh() {
    m_settings.method = readParameterInt(m_access, QString::fromLatin1(kMethodKey));
    for (Field field : kFields) slot(field) = readParameter(m_access, QString::fromLatin1(key(field))).value;
}

void EmailSetup::chooseMethod(Method method) {
    writeParameterValue(m_access, QString::fromLatin1(kMethodKey), QString::number(method));
    m_settings.method = method;
    if (m_changed) m_changed();
}

QString EmailSetup::leave(Field field, const QString& text) {
    if (text.isEmpty()) return value(field);
    writeParameterValue(m_access, QString::fromLatin1(key(field)), text);
    slot(field) = text;
    if (m_changed) m_changed();
    return text;
}

int EmailSetup::method() const { return m_settings.method; }
QString EmailSetup::value(Field field) const { return slot(field); }
bool EmailSetup::passwordEnabled() const { return m_settings.method == DialUp || m_settings.method == Lan; }
bool EmailSetup::phoneEnabled() const { return m_settings.method == DialUp; }

std::optional<EmailSetup::Field> nextOnReturn(EmailSetup::Field field) {
    switch (field) {
    case F::Sender: return F::User;
    case F::User: return F::Server;
    case F::Server: return F::Domain;
    case F::Password: return F::IspPhone;
    default: return std::nullopt;
    }
}

}  // namespace vn
