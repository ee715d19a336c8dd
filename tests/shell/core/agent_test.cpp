#include "shell/core/agent/agent.h"
#include "shell/core/agent/agent_set_up.h"
#include "shell/core/agent/session_agent_hooks.h"
#include "shell_fixture.h"
#include "store/catalogue/slots.h"
#include "store/settings/settings_slots.h"

#include <gtest/gtest.h>

#include <QMap>
#include <vector>

namespace vn {
namespace {

using Kind = AgentRequest::Kind;

// Records what the character is asked; finishes each request at once unless told to hold.
class RecordingStage final : public AgentStage {
public:
    void load(int character) override { loads.push_back(character); }
    void perform(const AgentRequest& request) override {
        performed.push_back(request);
        if (!hold && agent) agent->requestDone();
    }
    void release() override { ++releases; }

    Agent* agent = nullptr;
    bool hold = false;
    std::vector<int> loads;
    std::vector<AgentRequest> performed;
    int releases = 0;
};

struct AgentRig {
    explicit AgentRig(AgentHooks hooks = {}) : agent(stage, QSize(1024, 768), std::move(hooks)) {
        stage.agent = &agent;
        agent.AgentAvailable();
    }
    void choose(int character) {
        agent.helpOn = true;
        agent.number = character;
    }
    RecordingStage stage;
    Agent agent;
};

TEST(AgentTest, PlacesTheCharacterBesideOrBeforeThePoint) {
    struct Case { QPoint asked; QPoint placed; };
    const Case cases[] = {
        {{100, 100}, {356, 356}},
        {{800, 600}, {544, 344}},
        {{512, 256}, {768, 512}},  // exactly at the last quarter and third: still right and below
        {{513, 257}, {257, 1}},
        {{0, 0}, {256, 256}},
    };
    AgentRig rig;
    for (const Case& c : cases) {
        rig.agent.PlaceAgent(c.asked);
        EXPECT_EQ(rig.agent.speakingPoint, c.placed) << c.asked.x() << "," << c.asked.y();
    }
}

TEST(AgentTest, GreetsInTheCharactersOrder) {
    AgentRig rig;
    rig.choose(3);
    rig.agent.LoadAgent(3);
    rig.agent.GreetAgent(3);
    const QString greeting = rig.agent.speechText;
    EXPECT_TRUE(greeting.startsWith(QStringLiteral("Hello, my name is Merlin the Magician. ")));
    const std::vector<AgentRequest> expected = {
        {Kind::MoveTo, {512, 384}, {}}, {Kind::Show, {}, {}}, {Kind::Play, {}, "Greet"},
        {Kind::Play, {}, "Explain"}, {Kind::Speak, {}, greeting}, {Kind::Play, {}, "Pleased"},
        {Kind::Play, {}, "Wave"}, {Kind::Play, {}, "RestPose"},
    };
    EXPECT_EQ(rig.stage.performed, expected);
    EXPECT_EQ(rig.stage.loads, std::vector<int>{3});
}

TEST(AgentTest, LoadingKeepsTheCharacterUntilReleased) {
    AgentRig rig;
    rig.agent.LoadAgent(2);
    rig.agent.LoadAgent(4);
    EXPECT_EQ(rig.agent.loadedCharacter(), 2);
    rig.agent.CloseAgent();
    rig.agent.LoadAgent(4);
    EXPECT_EQ(rig.stage.loads, (std::vector<int>{2, 4}));
    EXPECT_EQ(rig.stage.releases, 1);
}

TEST(AgentTest, CloseDropsTheRequestsStillWaiting) {
    AgentRig rig;
    rig.choose(1);
    rig.stage.hold = true;
    rig.agent.speak(QStringLiteral("first"), {10, 10});
    ASSERT_EQ(rig.stage.performed.size(), 1u);  // the move; show and speak wait
    rig.agent.hide();
    rig.agent.requestDone();  // a late word from the stage changes nothing
    EXPECT_EQ(rig.stage.performed.size(), 1u);
    EXPECT_FALSE(rig.agent.loaded());
    rig.stage.hold = false;
    rig.agent.speak(QStringLiteral("second"), {20, 20});
    ASSERT_EQ(rig.stage.performed.size(), 4u);
    EXPECT_EQ(rig.stage.performed.back(), (AgentRequest{Kind::Speak, {}, QStringLiteral("second")}));
}

TEST(AgentTest, ControlHelpSpeaksTheWindowsPhraseOrOpensTheEditor) {
    struct Case {
        const char* name;
        bool helpOn;
        int number;
        bool editing;
        QString control;
        QString spoken;     // empty: nothing spoken
        QString edited;     // the key the editor opened with; empty: not opened
    };
    const QString longName(60, QLatin1Char('x'));
    const Case cases[] = {
        {"phrase spoken", true, 2, false, "pageButton", "Adds a page.", ""},
        {"no phrase", true, 2, false, "otherButton", "", ""},
        {"empty phrase", true, 2, false, "emptyButton", "", ""},
        {"help off", false, 2, false, "pageButton", "", ""},
        {"no character", true, 0, false, "pageButton", "", ""},
        {"editing", true, 2, true, "pageButton", "", "3pageButton"},
        {"editing, help off", false, 2, true, "pageButton", "", ""},
        {"editing, no name", true, 2, true, "", "", ""},
        {"editing, key too long", true, 2, true, longName, "", ""},
    };
    for (const Case& c : cases) {
        QString edited;
        AgentHooks hooks;
        const QMap<QString, QString> phrases = {{"3pageButton", "Adds a page."}, {"3emptyButton", ""}};
        hooks.phrase = [phrases](const QString& key) { return phrases.value(key); };
        hooks.phraseEditing = [&c] { return c.editing; };
        hooks.editPhrase = [&edited](const QString& key) { edited = key; };
        hooks.helpContext = [] { return QStringLiteral("3"); };
        AgentRig rig(hooks);
        rig.agent.helpOn = c.helpOn;
        rig.agent.number = c.number;
        rig.agent.askControlHelp(c.control, {100, 100});
        const bool spoke = !rig.stage.performed.empty();
        EXPECT_EQ(spoke, !c.spoken.isEmpty()) << c.name;
        if (spoke) {
            EXPECT_EQ(rig.stage.performed.front(), (AgentRequest{Kind::MoveTo, {356, 356}, {}})) << c.name;
            EXPECT_EQ(rig.stage.performed.back().text, c.spoken) << c.name;
        }
        EXPECT_EQ(edited, c.edited) << c.name;
    }
}

TEST(AgentTest, StartLoadsTheChosenCharacterWithoutShowingIt) {
    AgentRig rig;
    rig.agent.start(true, 3);
    EXPECT_EQ(rig.stage.loads, std::vector<int>{3});
    EXPECT_TRUE(rig.stage.performed.empty());
    EXPECT_TRUE(rig.agent.shown);
    rig.agent.speak(QStringLiteral("Help"), {1, 2});
    EXPECT_EQ(rig.stage.performed.size(), 3u);

    AgentRig none;
    none.agent.start(true, 0);
    EXPECT_TRUE(none.stage.loads.empty());
    EXPECT_FALSE(none.agent.enabled());
}

class AgentSetUpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fixture.start()); }
    QString setting(const char* name) {
        Session& s = *fixture.session;
        return s.access.FindRecord(kParmSlot, QString::fromLatin1(name)) ? s.access.GetFieldText(kParmSlot, kParmValue)
                                                                          : QStringLiteral("<none>");
    }

    test::ShellFixture fixture;
    RecordingStage stage;
};

TEST_F(AgentSetUpTest, ChoicesAreWrittenAndTheNewCharacterGreets) {
    Agent agent(stage, QSize(1024, 768), sessionAgentHooks(*fixture.session, {}));
    stage.agent = &agent;
    AgentSetUp panel(agent, fixture.session->access);
    AgentPanelState opened = panel.open();
    EXPECT_TRUE(opened.introVisible);
    EXPECT_TRUE(opened.disabledChecked);
    EXPECT_FALSE(opened.selectGroupVisible);
    EXPECT_TRUE(opened.showEnabled);

    panel.chooseStatus(true);
    EXPECT_EQ(setting("AgentHelp"), QStringLiteral("True"));
    EXPECT_TRUE(panel.state().selectGroupVisible);
    panel.chooseCharacter(3);
    EXPECT_EQ(setting("AgentNumber"), QStringLiteral("3"));
    EXPECT_EQ(stage.performed.at(4).text, agent.speechText);
    EXPECT_TRUE(panel.state().closeEnabled);
    EXPECT_FALSE(panel.state().showEnabled);

    // Asking about another choice lets the current character remark on it; nothing changes.
    panel.explain(QStringLiteral("robbyRadio"), {100, 100});
    EXPECT_EQ(stage.performed.back().text,
              QStringLiteral("Robby?  I was trying to make a lawn mower, but I got this. You might as well ask for help "
                             "from a can opener."));
    EXPECT_EQ(agent.number, 3);

    panel.closeAgent();
    EXPECT_FALSE(agent.loaded());
    EXPECT_TRUE(panel.state().showEnabled);
    panel.chooseStatus(false);
    EXPECT_EQ(setting("AgentHelp"), QStringLiteral("False"));
    const size_t before = stage.performed.size();
    panel.explain(QStringLiteral("demoButton"), {100, 100});
    EXPECT_EQ(stage.performed.size(), before);
}

TEST_F(AgentSetUpTest, ShippedPhrasesAreSpokenForTheWindowShownLast) {
    Agent agent(stage, QSize(1024, 768), sessionAgentHooks(*fixture.session, {}));
    stage.agent = &agent;
    agent.AgentAvailable();
    agent.helpOn = true;
    agent.number = 1;
    fixture.session->helpContext = QStringLiteral("1");
    agent.askControlHelp(QStringLiteral("agentsPanelButton"), {100, 100});
    ASSERT_FALSE(stage.performed.empty());
    EXPECT_EQ(stage.performed.back().text, QStringLiteral("Closes the help agent set-up panel."));
}

}  // namespace
}  // namespace vn
