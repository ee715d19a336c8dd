#include "mail/email_setup.h"
#include "store/settings/parameter_reading.h"
#include "store/settings/settings.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

QString stored(RecordAccess& access, const char* key) { return readParameter(access, QString::fromLatin1(key)).value; }

TEST(EmailSetup, ChangesAreStoredAtOnceAndAnEmptyBoxKeepsTheValue) {
    test::StoreFixture fx;
    MailSettings settings;
    int changes = 0;
    EmailSetup setup(fx.access, settings, [&] { ++changes; });
    setup.chooseMethod(EmailSetup::Lan);
    EXPECT_EQ(stored(fx.access, "EMethod"), "2");
    EXPECT_EQ(settings.method, 2);
    EXPECT_TRUE(setup.passwordEnabled());  // the SMTP password
    EXPECT_FALSE(setup.phoneEnabled());
    for (EmailSetup::Field field : EmailSetup::kFields) {
        const QString text = QStringLiteral("value of ") + EmailSetup::key(field);
        EXPECT_EQ(setup.leave(field, text), text);
        EXPECT_EQ(stored(fx.access, EmailSetup::key(field)), text);
        EXPECT_EQ(setup.value(field), text);
    }
    EXPECT_EQ(settings.server, "value of EServer");
    EXPECT_EQ(setup.leave(EmailSetup::Field::Server, ""), "value of EServer");
    EXPECT_EQ(stored(fx.access, "EServer"), "value of EServer");
    EXPECT_EQ(changes, 1 + int(EmailSetup::kFields.size()));
}

TEST(EmailSetup, AViewShowsWhatIsStoredNow) {
    test::StoreFixture fx;
    MailSettings first, second;
    EmailSetup one(fx.access, first), other(fx.access, second);
    one.refresh();
    other.refresh();
    other.leave(EmailSetup::Field::Server, "new.example.org");
    one.refresh();  // shown again: the newer value, not the one read before
    EXPECT_EQ(one.value(EmailSetup::Field::Server), "new.example.org");
    EXPECT_EQ(one.leave(EmailSetup::Field::Server, ""), "new.example.org");
}

TEST(EmailSetup, ReturnMovesOnInTheBuildersOrder) {
    using F = EmailSetup::Field;
    EXPECT_EQ(nextOnReturn(F::Sender), F::User);
    EXPECT_EQ(nextOnReturn(F::User), F::Server);
    EXPECT_EQ(nextOnReturn(F::Server), F::Domain);
    EXPECT_EQ(nextOnReturn(F::Domain), std::nullopt);
    EXPECT_EQ(nextOnReturn(F::Password), F::IspPhone);
    EXPECT_EQ(nextOnReturn(F::IspPhone), std::nullopt);
}

}  // namespace
}  // namespace vn
