#include "platform/mail/mail_composer.h"
#include "platform/mail/smtp_transport.h"
#include "smtp_sink.h"

#include <QFile>
#include <QSysInfo>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace vn {
namespace {

// A composed message with an attachment, its body in a file of the folder.
struct Composed {
    MailEnvelope envelope;
    QByteArray bytes;  // headers and body, as the server must receive them
};

Composed compose(const test::TempFolder& folder, const QString& server, const QString& to) {
    const QString attachment = folder.file(QStringLiteral("Exchange file.dat"));
    QFile file(attachment);
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < 5000; ++i) file.write(QByteArray::number(i * 7919) + '\n');
    file.close();
    const MailMessage message{"office@example.org", to, QStringLiteral("Grüße"), ".\nFrom here\nline", attachment};
    const MailStamp stamp = freshMailStamp(message.from);
    Composed c;
    c.envelope = {{server, "office.example.org", {}, {}}, message.from, to, composeHeaders(message, stamp), folder.file("body")};
    QFile body(c.envelope.bodyFile);
    body.open(QIODevice::WriteOnly);
    EXPECT_EQ(composeBody(message, stamp, body), QString());
    body.close();
    body.open(QIODevice::ReadOnly);
    c.bytes = c.envelope.headers + body.readAll();
    return c;
}

// A loopback port that was free a moment ago; nothing listens there.
int unusedPort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(s, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    close(s);
    return ntohs(address.sin_port);
}

MailOutcome send(const MailEnvelope& envelope) {
    std::atomic<bool> stop{false};
    return sendOverSmtp(envelope, stop);
}

TEST(SmtpTransport, TheServerReceivesTheComposedBytes) {
    test::SmtpSink sink;
    ASSERT_TRUE(sink.started());
    test::TempFolder folder;
    const Composed c = compose(folder, sink.server(), "member@example.net");
    const MailOutcome outcome = send(c.envelope);
    EXPECT_EQ(outcome.kind, MailOutcome::Kind::Sent) << outcome.reply.toStdString();
    EXPECT_EQ(sink.data(1).toStdString(), c.bytes.toStdString());
    const QStringList envelope = sink.envelope(1);
    EXPECT_EQ(envelope.value(0), "office@example.org");
    EXPECT_EQ(envelope.value(1), "member@example.net");
    EXPECT_EQ(envelope.value(2), "office.example.org");
}

TEST(SmtpTransport, WithoutADomainTheGreetingNamesThisMachine) {
    test::SmtpSink sink;
    ASSERT_TRUE(sink.started());
    test::TempFolder folder;
    Composed c = compose(folder, sink.server(), "member@example.net");
    c.envelope.account.domain.clear();
    EXPECT_EQ(send(c.envelope).kind, MailOutcome::Kind::Sent);
    EXPECT_EQ(sink.envelope(1).value(2), QSysInfo::machineHostName());
}

TEST(SmtpTransport, AStoredPasswordAuthenticates) {
    const std::pair<const char*, MailOutcome::Kind> cases[] = {
        {"secret", MailOutcome::Kind::Sent},
        {"wrong", MailOutcome::Kind::Failed},
    };
    for (const auto& [password, expected] : cases) {
        test::SmtpSink sink({"--auth", "clerk:secret"});
        ASSERT_TRUE(sink.started());
        test::TempFolder folder;
        Composed c = compose(folder, sink.server(), "member@example.net");
        c.envelope.account.user = "clerk";
        c.envelope.account.password = password;
        const MailOutcome outcome = send(c.envelope);
        EXPECT_EQ(outcome.kind, expected) << password << ": " << outcome.reply.toStdString();
        EXPECT_EQ(sink.count(), expected == MailOutcome::Kind::Sent ? 1 : 0) << password;
        if (expected == MailOutcome::Kind::Sent) EXPECT_EQ(sink.envelope(1).value(3), "clerk");
        else EXPECT_TRUE(outcome.reply.contains("535")) << outcome.reply.toStdString();
    }
}

TEST(SmtpTransport, ARefusedRecipientIsToldApart) {
    test::SmtpSink sink({"--refuse", "gone@example.net"});
    ASSERT_TRUE(sink.started());
    test::TempFolder folder;
    const MailOutcome outcome = send(compose(folder, sink.server(), "gone@example.net").envelope);
    EXPECT_EQ(outcome.kind, MailOutcome::Kind::RecipientRefused);
    EXPECT_TRUE(outcome.reply.contains("550")) << outcome.reply.toStdString();
    EXPECT_EQ(sink.count(), 0);
}

TEST(SmtpTransport, NoServerListeningFails) {
    const QString server = QStringLiteral("127.0.0.1:%1").arg(unusedPort());
    test::TempFolder folder;
    const MailOutcome outcome = send(compose(folder, server, "member@example.net").envelope);
    EXPECT_EQ(outcome.kind, MailOutcome::Kind::Failed);
    EXPECT_FALSE(outcome.reply.isEmpty());
}

TEST(SmtpTransport, TheUrlCarriesPortTlsAndGreeting) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"mail.example.org", "office.example.org", "smtp://mail.example.org/office.example.org"},
        {"mail.example.org:587", "office.example.org", "smtp://mail.example.org:587/office.example.org"},
        {"mail.example.org:465", "office.example.org", "smtps://mail.example.org:465/office.example.org"},
    };
    for (const auto& [server, domain, url] : cases) EXPECT_EQ(smtpUrl({server, domain, {}, {}}).toStdString(), url);
}

}  // namespace
}  // namespace vn
