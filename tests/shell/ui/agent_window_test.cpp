#include "platform/voice/voice.h"
#include "shell/core/agent/agent.h"
#include "shell/ui/agent/agent_window.h"
#include "support/recording_voice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>

namespace vn {

class AgentWindowTest : public QObject {
    Q_OBJECT
private slots:
    void speaksInTheBalloonAndTheVoice();
    void closingStopsTheVoiceAndHides();
    void staysOnScreen();
    void eachCharacterIsDrawn();
};

namespace {

struct Rig {
    Rig() : window(voice), agent(window, QSize(1024, 768)) {
        window.setRequestDone([this] { agent.requestDone(); });
        window.setHideRequested([this] { agent.hide(); });
        agent.AgentAvailable();
        agent.helpOn = true;
        agent.number = 2;
    }
    test::RecordingVoice voice;
    AgentWindow window;
    Agent agent;
};

}  // namespace

void AgentWindowTest::speaksInTheBalloonAndTheVoice() {
    Rig rig;
    const QString text = QStringLiteral("A long help text that the balloon must show whole, wrapped over several lines "
                                        "rather than cut off at the edge of the balloon, however long it is.");
    rig.agent.speak(text, {100, 100});
    QVERIFY(rig.window.isVisible());
    QTRY_COMPARE(rig.window.balloonText(), text);
    QCOMPARE(rig.voice.said, QStringList{text});
    QCOMPARE(rig.voice.speakers, QList<int>{2});
    auto* balloon = rig.window.findChild<QLabel*>(QStringLiteral("agentBalloon"));
    QCOMPARE(balloon->accessibleName(), QStringLiteral("Agent Help"));
    QVERIFY(balloon->height() >= balloon->heightForWidth(balloon->width()));  // every line fits
    QVERIFY(balloon->wordWrap());
}

void AgentWindowTest::closingStopsTheVoiceAndHides() {
    Rig rig;
    rig.agent.LoadAgent(2);
    rig.agent.GreetAgent(2);
    QVERIFY(rig.window.isVisible());
    rig.agent.hide();
    QVERIFY(!rig.window.isVisible());
    QVERIFY(!rig.voice.speaking);
    QTest::qWait(1200);  // the greeting's remaining requests were dropped: nothing comes back
    QVERIFY(!rig.window.isVisible());
    QVERIFY(rig.voice.said.isEmpty());
}

void AgentWindowTest::staysOnScreen() {
    Rig rig;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    rig.agent.speak(QStringLiteral("Down in the corner."), screen.bottomRight() + QPoint(50, 50));
    QTRY_VERIFY(!rig.window.balloonText().isEmpty());
    QVERIFY(screen.contains(rig.window.frameGeometry()));
}

void AgentWindowTest::eachCharacterIsDrawn() {
    const QString folder = qEnvironmentVariable("VARNEDO_SCREENSHOTS");
    QImage previous;
    for (int character = 1; character <= 4; ++character) {
        test::RecordingVoice voice;
        AgentWindow window(voice);
        window.load(character);
        window.perform({AgentRequest::Kind::Speak, {}, QStringLiteral("Hello, I am here to help.")});
        const QImage image = window.canvas()->grab().toImage();
        QVERIFY(image != previous);  // each one looks different
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(inked > image.width() * image.height() / 5, "the character fills its place");
        if (!folder.isEmpty()) window.grab().save(QStringLiteral("%1/agent_%2.png").arg(folder).arg(character));
        previous = image;
        window.release();
    }
}

}  // namespace vn

QTEST_MAIN(vn::AgentWindowTest)
#include "agent_window_test.moc"
