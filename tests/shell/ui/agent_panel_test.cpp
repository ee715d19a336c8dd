// The help character's set-up panel driven by clicks: the choices written to the settings, the
// chosen character greeting through the voice, the note when there is no voice.
#include "shell/core/agent/agent.h"
#include "shell/ui/agent/agent_host.h"
#include "shell/ui/agent/agent_panel.h"
#include "store/catalogue/slots.h"
#include "store/settings/settings_slots.h"
#include "support/named_child.h"
#include "support/recording_voice.h"
#include "../../entry/session/session_fixture.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>

namespace vn {

class AgentPanelTest : public QObject {
    Q_OBJECT
private slots:
    void clicksWriteTheChoicesAndTheCharacterGreets();
    void withoutAVoiceThePanelSaysSo();
};

namespace {

struct Rig {
    explicit Rig(bool sound) {
        // As a new installation holds them.
        fx.putRow(kParmSlot, "AgentHelp", {{kParmValue, "False"}});
        fx.putRow(kParmSlot, "AgentNumber", {{kParmValue, "0"}});
        auto recording = std::make_unique<test::RecordingVoice>();
        recording->soundThere = sound;
        voice = recording.get();
        host = std::make_unique<AgentHost>(fx.session, std::move(recording));
        panel = std::make_unique<AgentPanel>(host->agent(), fx.access, host->voice());
        panel->open();
        panel->show();
    }
    QString setting(const char* name) {
        return fx.access.FindRecord(kParmSlot, QString::fromLatin1(name)) ? fx.access.GetFieldText(kParmSlot, kParmValue)
                                                                           : QStringLiteral("<none>");
    }
    void click(const char* name) { test::namedChild<QRadioButton>(panel, name)->click(); }

    test::SessionFixture fx;
    test::RecordingVoice* voice = nullptr;
    std::unique_ptr<AgentHost> host;
    std::unique_ptr<AgentPanel> panel;
};

}  // namespace

void AgentPanelTest::clicksWriteTheChoicesAndTheCharacterGreets() {
    Rig rig(true);
    rig.click("agentEnabledRadio");
    QCOMPARE(rig.setting("AgentHelp"), "True");
    rig.click("merlinRadio");
    QCOMPARE(rig.setting("AgentNumber"), "3");
    QTRY_VERIFY(!rig.voice->said.isEmpty());
    QVERIFY(rig.voice->said.last().contains("Merlin"));
    rig.click("agentDisabledRadio");
    QCOMPARE(rig.setting("AgentHelp"), "False");
    QVERIFY(!rig.host->agent().enabled());
}

void AgentPanelTest::withoutAVoiceThePanelSaysSo() {
    for (const bool sound : {true, false}) {
        Rig rig(sound);
        auto* note = rig.panel->findChild<QLabel*>("agentNoVoiceText");
        QCOMPARE(note && note->isVisible(), !sound);
    }
}

}  // namespace vn

QTEST_MAIN(vn::AgentPanelTest)
#include "agent_panel_test.moc"
