#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace vn {

class RecordAccess;
struct MailSettings;

// The e-mail set-up, behind both places that offer it: every change is stored at once (its Parm
// row, created when missing) and in the settings every window reads.
class EmailSetup {
public:
    enum class Field { Sender, Server, User, Domain, SendTo, Password, IspPhone };
    static constexpr std::array<Field, 7> kFields{Field::Sender, Field::Server,   Field::User,    Field::Domain,
                                                  Field::SendTo, Field::Password, Field::IspPhone};
    enum Method { NotSet = 0, DialUp = 1, Lan = 2 };

    // Told after every stored change (the request menu follows the access method).
    using Changed = std::function<void()>;
    EmailSetup(RecordAccess& access, MailSettings& settings, Changed changed = {});

    // Reads the stored values again, so a view shows what is stored now, not what it read earlier.
    void refresh();
    void chooseMethod(Method method);
    // A box left: a non-empty text is stored; an empty one keeps the stored value. Returns what
    // the box shows afterwards.
    QString leave(Field field, const QString& text);

    int method() const;
    QString value(Field field) const;
    bool passwordEnabled() const;  // the SMTP password too, so for both methods
    bool phoneEnabled() const;     // dial-up only

    static const char* key(Field field);

private:
    QString& slot(Field field) const;

    RecordAccess& m_access;
    MailSettings& m_settings;
    Changed m_changed;
};

// The field Return moves on to in the request builder's set-up view (nullopt: "Exit").
std::optional<EmailSetup::Field> nextOnReturn(EmailSetup::Field field);

}  // namespace vn
