#include "mail/email_session.h"
#include "store/settings/settings.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

namespace vn {
namespace {

// Keeps each message and answers when told, as a server far away would.
class FakeTransport : public MailTransport {
public:
    void send(const MailEnvelope& envelope, Done done) override {
        sent << envelope.to;
        pending = std::move(done);
    }
    void stop() override { stopped = true; }
    void complete(MailOutcome::Kind kind = MailOutcome::Kind::Sent, const QString& reply = "250 OK") {
        Done done = std::move(pending);
        pending = {};
        done({kind, reply});
    }
    QStringList sent;
    Done pending;
    bool stopped = false;
};

// A modem that answers when told.
class FakeDialUp : public DialUpService {
public:
    void setListener(Listener l) override { listener = std::move(l); }
    void dial(const QString& user, const QString&, const QString&, const QString& phone) override { dialled << user + "/" + phone; }
    void hangUp() override { ++hangUps; }
    QString statusText(int code) const override { return QStringLiteral("status %1").arg(code); }
    QString errorText(int code) const override { return QStringLiteral("error %1").arg(code); }
    Listener listener;
    QStringList dialled;
    int hangUps = 0;
};

// The message view's rules over a fake transport and modem.
struct Desk {
    Desk() {
        settings.method = 2;
        settings.sender = "office@example.org";
        settings.server = "mail.example.org";
        settings.user = "clerk";
        settings.ispPhone = "555-0100";
    }

    EmailSession& session() {
        if (!m_session)
            m_session = std::make_unique<EmailSession>(
                settings, prompter, transport, dialUp,
                [this](const QString& key) -> std::optional<QString> {
                    if (!addresses.contains(key)) return std::nullopt;
                    return addresses.value(key);
                },
                [this](std::function<void()> next) { scheduled.append(std::move(next)); },
                EmailSession::Hooks{{}, [this] { ++runsEnded; }, [this] { ++closes; }});
        return *m_session;
    }

    // Ready to send: opened, recipients chosen, subject and text given.
    void ready() {
        session().open();
        session().recipientsSelected(true);
        session().subjectLeft("Meeting");
        session().textChanged("Monday at nine.");
    }
    void emailNow(const QStringList& keys, const QString& attachment = {}) {
        session().emailNow(keys, "Meeting", "Monday at nine.", attachment);
    }
    // Completes every message in turn, firing each gap at once.
    void completeAll() {
        while (transport.pending) {
            transport.complete();
            while (!scheduled.isEmpty()) scheduled.takeFirst()();
        }
    }
    void fireGap() { scheduled.takeFirst()(); }

    MailSettings settings;
    test::RecordingPrompter prompter;
    FakeTransport transport;
    FakeDialUp dialUp;
    QMap<QString, QString> addresses{{"k1", "ann@example.net"}, {"k2", "bob@example.net"}, {"k3", "cy@example.net"}};
    QList<std::function<void()>> scheduled;
    int runsEnded = 0, closes = 0;
    std::unique_ptr<EmailSession> m_session;
};

class EmailSessionTest : public ::testing::Test, public Desk {};

TEST_F(EmailSessionTest, EmailNowIsReadyOnlyWithRecipientsSubjectTextAndConnection) {
    settings.method = 1;
    session().open();
    EXPECT_EQ(session().state().status, "No Connection");
    session().recipientsSelected(true);
    session().subjectLeft("Meeting");
    session().textChanged("Hello");
    EXPECT_FALSE(session().state().emailNowEnabled);  // not connected
    session().connectClicked();
    EXPECT_EQ(session().state().status, "Attempting Connection...");
    EXPECT_EQ(dialUp.dialled, QStringList{"clerk/555-0100"});
    dialUp.listener.connected();
    EXPECT_EQ(session().state().status, "Connected...");
    EXPECT_TRUE(session().state().emailNowEnabled);
    session().textChanged("");
    EXPECT_FALSE(session().state().emailNowEnabled);
    session().textChanged("Hello");
    session().recipientsSelected(false);  // "None"
    EXPECT_FALSE(session().state().emailNowEnabled);
    dialUp.listener.error(7);
    EXPECT_EQ(session().state().status, "error 7");
    session().recipientsSelected(true);
    session().connectClicked();
    EXPECT_EQ(session().state().status, "Hanging Up...");
    dialUp.listener.disconnected();
    EXPECT_EQ(session().state().status, " Not Connected.");
    EXPECT_FALSE(session().state().emailNowEnabled);
}

TEST_F(EmailSessionTest, NoAccessMethodShowsTheSetUp) {
    settings.method = 0;
    session().open();
    EXPECT_TRUE(session().state().showSetup);
}

TEST_F(EmailSessionTest, OneMessagePerRecipientAndTheCountGrowsOverRuns) {
    ready();
    EXPECT_EQ(session().state().status, "LAN");
    emailNow({"k1", "k2", "k3"});
    EXPECT_FALSE(session().state().editable);
    EXPECT_EQ(transport.sent, QStringList{"ann@example.net"});
    transport.complete();
    EXPECT_EQ(transport.sent.size(), 1);  // the next waits for the gap
    fireGap();
    EXPECT_EQ(transport.sent.size(), 2);
    completeAll();
    EXPECT_EQ(transport.sent, (QStringList{"ann@example.net", "bob@example.net", "cy@example.net"}));
    EXPECT_EQ(session().state().attempts, "3");
    EXPECT_TRUE(session().state().printListEnabled);
    EXPECT_EQ(runsEnded, 1);
    EXPECT_TRUE(prompter.messages.isEmpty());
    ready();
    emailNow({"k1", "k2", "k3"});
    completeAll();
    EXPECT_EQ(session().state().attempts, "6");
}

TEST_F(EmailSessionTest, TheChecksHaltBeforeAnythingIsSent) {
    struct Case {
        const char* name;
        std::function<void(Desk&)> arrange;
        QStringList keys;
        QString subject, text, attachment;
        const char* warning;
    };
    const QList<Case> cases{
        {"no addresses", [](auto& t) { t.addresses["k1"] = ""; }, {"k1", "gone"}, "s", "t", {}, "No Email addresses found.  Email sending halted."},
        {"no subject", {}, {"k1"}, "", "t", {}, "Subject line missing.  Email sending halted."},
        {"no text", {}, {"k1"}, "s", "", {}, "No Message.  Email sending halted."},
        {"sender", [](auto& t) { t.settings.sender = "office"; }, {"k1"}, "s", "t", {}, "\"Sender\" (ESender)"},
        {"server", [](auto& t) { t.settings.server = ""; }, {"k1"}, "s", "t", {}, "\"Mail Server\" (EServer)"},
        {"attachment", {}, {"k1"}, "s", "t", "/no/such/file.pdf", "/no/such/file.pdf"},
    };
    for (const Case& c : cases) {
        Desk t;
        if (c.arrange) c.arrange(t);
        t.ready();
        t.session().emailNow(c.keys, c.subject, c.text, c.attachment);
        EXPECT_TRUE(t.transport.sent.isEmpty()) << c.name;
        ASSERT_EQ(t.prompter.messages.size(), 1) << c.name;
        EXPECT_TRUE(t.prompter.messages[0].text.contains(c.warning)) << c.name << ": " << t.prompter.messages[0].text.toStdString();
        EXPECT_EQ(t.prompter.beeps, 1) << c.name;
        EXPECT_TRUE(t.session().state().exitEnabled && t.session().state().editable) << c.name;
    }
}

TEST_F(EmailSessionTest, RefusedVanishedAndBadRecipientsAreSkippedAndTold) {
    addresses["k4"] = "a@x.org, c@x.org";
    addresses["k5"] = "eve@example.net";
    ready();
    emailNow({"k1", "k2", "k3", "k4", "k5"});
    addresses.remove("k3");  // deleted while the run goes on
    transport.complete();
    fireGap();
    transport.complete(MailOutcome::Kind::RecipientRefused, "550 No such user");
    fireGap();  // k3 gone, k4 not one address: straight on to k5
    EXPECT_EQ(transport.sent.last(), "eve@example.net");
    transport.complete();
    const auto& run = session().lastRun();
    ASSERT_EQ(run.size(), 5);
    EXPECT_EQ(run[1].kind, RecipientOutcome::Kind::Refused);
    EXPECT_EQ(run[2].kind, RecipientOutcome::Kind::Skipped);
    EXPECT_EQ(run[3].kind, RecipientOutcome::Kind::Skipped);
    EXPECT_EQ(session().state().status, "Sent 2, refused 1, skipped 2, failed 0.");
    ASSERT_EQ(prompter.messages.size(), 1);
    const QString warning = prompter.messages[0].text;
    EXPECT_TRUE(warning.contains("bob@example.net (k2): refused, 550 No such user")) << warning.toStdString();
    EXPECT_TRUE(warning.contains("k3: skipped")) << warning.toStdString();
    EXPECT_TRUE(warning.contains("a@x.org, c@x.org (k4): skipped, not a single e-mail address")) << warning.toStdString();
    EXPECT_EQ(session().state().attempts, "3");
}

TEST_F(EmailSessionTest, AFailedConnectionStopsTheRun) {
    ready();
    emailNow({"k1", "k2", "k3"});
    transport.complete(MailOutcome::Kind::Failed, "Couldn't connect to server");
    EXPECT_TRUE(scheduled.isEmpty());
    EXPECT_FALSE(session().running());
    EXPECT_EQ(transport.sent.size(), 1);
    EXPECT_EQ(session().state().status, "Sent 0, refused 0, skipped 0, failed 3.");
    EXPECT_TRUE(prompter.messages.value(0).text.contains("Couldn't connect to server"));
}

TEST_F(EmailSessionTest, ExitDuringARunEndsItAfterTheMessageInTransit) {
    ready();
    emailNow({"k1", "k2", "k3"});
    EXPECT_TRUE(session().state().exitEnabled);
    session().exitClicked();
    EXPECT_EQ(closes, 0);
    transport.complete();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(transport.sent.size(), 1);
    EXPECT_TRUE(prompter.messages.value(0).text.contains("k2: not sent, the run stopped before it"));
}

TEST(EmailEntries, KeyColumnThenName) {
    EXPECT_EQ(EmailSession::entryText("abcwyalb000100000", "Smith", "Ann"), "abcwyalb000100000   Smith, Ann");
    EXPECT_EQ(EmailSession::entryText("abcwyalb0001000001", "Smith", "Ann"), "abcwyalb0001000001  Smith, Ann");
}

}  // namespace
}  // namespace vn
