#include "setup/setup_saving.h"
#include "setup/setup_wizard.h"
#include "store/text/day_code.h"
#include "place_tables.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const QDate kToday(2024, 3, 14);

SetupChoices chosen(int type, int level, int flow, int situation) {
    SetupChoices c;
    c.type = type;
    c.level = level;
    c.flow = flow;
    c.situation = situation;
    return c;
}

const char kSelectType[] = "Please select your Organization Type.";
const char kEducational[] =
    "You have selected Educational organization.  If this is not correct, please re-select now.  If correct, "
    "proceed to select the Operation Level.";
const char kCountyLevel[] =
    "You have selected County level operation.  If this is not correct, please re-select now.  If correct, proceed "
    "to select the Data Flow Method.";
const char kDistrictLevel[] =
    "You have selected District level operation.  If this is not correct, please re-select now.  If correct, "
    "proceed to select the Data Flow Method.";
const char kStateLevel[] =
    "You have selected State level operation.  If this is not correct, please re-select now.  If correct, proceed "
    "to select the Data Flow Method.";
const char kTwoLevelsToCounty[] =
    "You have selected County <--> State Data Flow.  If this is not correct please re-select now. If correct "
    "proceed to select the proper County";
const char kThreeLevelsToCounty[] =
    "You have selected County <--> District <--> State Data Flow.  If this is not correct please re-select now. If "
    "correct proceed to select the proper County";
const char kThreeLevelsToDistrict[] =
    "You have selected County <--> District <--> State Data Flow.  If this is not correct please re-select now. If "
    "correct proceed to select the proper District";
const char kTwoLevelsToSave[] =
    "You have selected County <--> State Data Flow.  If this is not correct please re-select now. If correct click "
    "[Save Setup] to complete the setup process.";
const char kThreeLevelsToSave[] =
    "You have selected County <--> District <--> State Data Flow.  If this is not correct please re-select now. If "
    "correct click [Save Setup] to Complete the setup process.";
const char kCountyThenSave[] =
    "You have selected a county.  Please verify that this is indeed the proper county.  If not, please re-select.  "
    "Click [Save Setup] to complete the setup process.";
const char kCountyThenNext[] =
    "You have selected a county.  Please verify that this is indeed the proper county.  If not, please re-select.  "
    "If correct, proceed (Click Next) to select the District with which you will exchange data.";
const char kSelectDistrict[] = "Please select the District that you will be exchanging data with.";
const char kDistrictThenSave[] =
    "You have selected a District.  Please verify that this is indeed the proper District.  If not, please "
    "re-select. Click [Save Setup] to complete the setup process";
const char kDistrictThenNext[] =
    "You have selected a District.  Please verify that this is indeed the proper District.  If not, please "
    "re-select. Click [Next] to select all the counties from which this District will accept data.";
const char kSelectCounties[] =
    "Please select all counties that you will be exchanging data with.  If you select a county in error, simply "
    "click on the county in the right hand box to cancel that selection.  When you have selected all counties, "
    "click [Save Setup].";
const char kConfirm[] =
    "Please verify that all aspects of your setup are correct. If not, click [Cancel] and start over with the "
    "\"Select Operation Level\".  If correct then click [Ok] to save setup.";
const char kSaved[] =
    "Varnedo will now close.  When the program is re-executed the Setup parameters will take effect.  Thank You.";

class WizardTest : public ::testing::Test {
protected:
    WizardTest() { test::addPlaces(store); }

    SetupWizard& wizard(const SetupChoices& current = {}) {
        WizardHooks hooks;
        hooks.orderlyExit = [this] { ++exits; };
        hooks.today = [] { return kToday; };
        m_wizard = std::make_unique<SetupWizard>(store.access, store.prompter, current, hooks);
        m_wizard->open();
        return *m_wizard;
    }

    SetupWizard& walkTo(int type, int level, int flow) {
        SetupWizard& w = wizard();
        w.chooseType(type);
        w.chooseLevel(level);
        w.chooseFlow(flow);
        return w;
    }

    QString parm(const char* key) {
        const bool found = store.access.FindRecord(3, QString::fromLatin1(key));
        return found ? store.access.GetFieldText(3, 2) : QStringLiteral("<none>");
    }
    QStringList district(const char* key) {
        store.access.FindRecord(5, QString::fromLatin1(key));
        return {store.access.GetFieldText(5, 3), store.access.GetFieldText(5, 4)};
    }

    test::StoreFixture store;
    int exits = 0;

private:
    std::unique_ptr<SetupWizard> m_wizard;
};

// One user action after the flow is chosen: a list entry, a selected county, or Next.
struct Step {
    enum Kind { Choose, Unselect, Next } kind;
    int row = 0;
};

struct PathCase {
    const char* name;
    int level;
    int flow;
    QList<Step> steps;
    QStringList helps;  // the help after the level, the flow and each step
    int situation;
    const char* countyInfo;
    const char* districtInfo;
    QStringList countyCities;
    QStringList north;  // Dist NOR fields 3 and 4
};

const QStringList kUntouchedCities{"Stale"};
const QStringList kUntouchedNorth{"1", "ZZZ"};

const PathCase kPaths[] = {
    {"countyTwoLevels", 1, 1, {{Step::Choose, 0}},
     {kCountyLevel, kTwoLevelsToCounty, kCountyThenSave}, 1, "ADA", "", {"Alpha", "Gamma"}, kUntouchedNorth},
    {"countyThreeLevels", 1, 2, {{Step::Choose, 1}, {Step::Next}, {Step::Choose, 0}},
     {kCountyLevel, kThreeLevelsToCounty, kCountyThenNext, kSelectDistrict, kDistrictThenSave}, 2, "BEN", "NOR",
     {"Beta"}, kUntouchedNorth},
    {"district", 2, 2,
     {{Step::Choose, 0}, {Step::Next}, {Step::Choose, 0}, {Step::Choose, 0}, {Step::Choose, 0}, {Step::Unselect, 1}},
     {kDistrictLevel, kThreeLevelsToDistrict, kDistrictThenNext, kSelectCounties, kSelectCounties, kSelectCounties,
      kSelectCounties, kSelectCounties},
     4, "<none>", "NOR", kUntouchedCities, {"2", "ADACLA"}},
    {"stateTwoLevels", 3, 1, {}, {kStateLevel, kTwoLevelsToSave}, 5, "<none>", "<none>", kUntouchedCities,
     kUntouchedNorth},
    {"stateThreeLevels", 3, 2, {}, {kStateLevel, kThreeLevelsToSave}, 6, "<none>", "<none>", kUntouchedCities,
     kUntouchedNorth},
};

class WizardPathTest : public WizardTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(WizardPathTest, showsEachStepAndSavesTheSituation) {
    const PathCase& c = GetParam();
    SetupWizard& w = wizard();
    w.chooseType(1);
    EXPECT_EQ(w.screen().help, kEducational);
    QStringList helps;
    w.chooseLevel(c.level);
    helps << w.screen().help;
    w.chooseFlow(c.flow);
    helps << w.screen().help;
    for (const Step& step : c.steps) {
        if (step.kind == Step::Choose) w.chooseListEntry(step.row);
        else if (step.kind == Step::Unselect) w.unselectCounty(step.row);
        else w.next();
        helps << w.screen().help;
    }
    EXPECT_EQ(helps, c.helps);
    ASSERT_TRUE(w.screen().saveEnabled);
    EXPECT_EQ(parm("OType"), "<none>");  // nothing is written before the save

    w.save();

    EXPECT_EQ(store.prompter.texts(), QStringList({kConfirm, kSaved}));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(QStringList({parm("OType"), parm("OpLevel"), parm("DataFlow"), parm("UserSituation")}),
              QStringList({"1", QString::number(c.level), QString::number(c.flow), QString::number(c.situation)}));
    EXPECT_EQ(parm("CountyInfo"), c.countyInfo);
    EXPECT_EQ(parm("DistrictInfo"), c.districtInfo);
    EXPECT_EQ(store.keys(7), c.countyCities);
    EXPECT_EQ(district("NOR"), c.north);
}

INSTANTIATE_TEST_SUITE_P(Situations, WizardPathTest, ::testing::ValuesIn(kPaths),
                         [](const auto& info) { return std::string(info.param.name); });

struct FlowCase {
    const char* name;
    int type, level, flow;
    const char* levelHelp;
    const char* flowHelp;
    int situation;
};

const FlowCase kFlows[] = {
    {"governmentalState", 2, 2, 2, kStateLevel, kThreeLevelsToDistrict, 4},
    {"privateLocalStillCounty", 3, 1, 1,
     "You have selected Local Office level operation.  If this is not correct, please re-select now.  If correct, "
     "proceed to select the Data Flow Method.",
     kTwoLevelsToCounty, 1},
    {"privateHomeTwoLevels", 3, 3, 1,
     "You have selected Home Office level operation.  If this is not correct, please re-select now.  If correct, "
     "proceed to select the Data Flow Method.",
     "You have selected Local Office <--> Home Office Data Flow.  If this is not correct please re-select now. If "
     "correct click [Save Setup] to complete the setup process.",
     5},
    {"privateHomeThreeLevels", 3, 3, 2, nullptr,
     "You have selected Local Office <--> District Office <--> Home Office Data Flow.  If this is not correct please "
     "re-select now. If correct click [Save Setup] to Complete the setup process.",
     6},
};

class WizardFlowTest : public WizardTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(WizardFlowTest, namesTheChoicesByType) {
    const FlowCase& c = GetParam();
    SetupWizard& w = wizard();
    w.chooseType(c.type);
    w.chooseLevel(c.level);
    if (c.levelHelp) {
        EXPECT_EQ(w.screen().help, c.levelHelp);
    }
    w.chooseFlow(c.flow);
    EXPECT_EQ(w.screen().help, c.flowHelp);
    EXPECT_EQ(w.choices().situation, c.situation);
}

INSTANTIATE_TEST_SUITE_P(Types, WizardFlowTest, ::testing::ValuesIn(kFlows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardTest, districtLevelHasNoTwoLevelFlow) {
    SetupWizard& w = wizard();
    w.chooseType(2);
    w.chooseLevel(2);
    EXPECT_FALSE(w.screen().firstFlowEnabled);
    EXPECT_EQ(w.screen().levelCaptions, QStringList({"County", "State", "Federal"}));
    EXPECT_EQ(w.screen().flowCaptions, QStringList({"County - Federal", "County - State - Federal"}));
    w.chooseFlow(1);
    EXPECT_EQ(w.choices().situation, 0);
    EXPECT_FALSE(w.screen().listShown);
    w.chooseFlow(2);
    EXPECT_EQ(w.choices().situation, 4);
    EXPECT_EQ(w.screen().listTitle, "Known Districts (2)...");
    EXPECT_EQ(w.screen().listEntries, QStringList({"NOR  North", "SOU  South"}));
}

TEST_F(WizardTest, firstSetupOpensOnTheOrganizationType) {
    const WizardScreen s = wizard().screen();
    EXPECT_TRUE(s.typeShown);
    EXPECT_FALSE(s.passwordShown || s.levelShown || s.flowShown || s.listShown);
    EXPECT_EQ(s.help, kSelectType);
}

struct PasswordCase {
    const char* name;
    QString typed;
    bool opens;
    int beeps;
    bool emptied;
};

const PasswordCase kPasswords[] = {
    {"programmers", "TarnWisple", true, 0, true},
    {"dayCodeInLowerCase", DayCode(kToday).toLower(), true, 0, true},
    {"wrong", "tarnwisplex", false, 1, true},
    {"yesterdaysDayCode", DayCode(kToday.addDays(-1)), false, 1, true},
    {"empty", "", false, 0, false},
};

class WizardPasswordTest : public WizardTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(WizardPasswordTest, guardsAnExistingSetup) {
    const PasswordCase& c = GetParam();
    SetupWizard& w = wizard(chosen(1, 2, 2, 4));
    EXPECT_TRUE(w.screen().passwordShown);
    EXPECT_FALSE(w.screen().typeShown);
    EXPECT_EQ(w.screen().focus, WizardFocus::Exit);
    EXPECT_EQ(w.screen().help,
              "A Setup has already been performed.  Click [Exit] to exit.  If a change in Setup is required, contact "
              "your computer or software tech for the required password.");

    w.enterPassword(c.typed);

    EXPECT_EQ(w.screen().typeShown, c.opens);
    EXPECT_EQ(w.screen().passwordEmptied, c.emptied);
    EXPECT_EQ(store.prompter.beeps, c.beeps);
    EXPECT_TRUE(store.prompter.messages.isEmpty());
    if (c.opens) {
        EXPECT_EQ(w.screen().help, "Please select your level of operation.");
    }
    if (c.beeps) {
        EXPECT_EQ(w.screen().focus, WizardFocus::Password);
    }
}

INSTANTIATE_TEST_SUITE_P(Passwords, WizardPasswordTest, ::testing::ValuesIn(kPasswords),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardTest, pickedCountiesMoveBetweenTheListsWithTheirTitles) {
    SetupWizard& w = walkTo(1, 2, 2);
    w.chooseListEntry(1);
    w.next();
    EXPECT_FALSE(w.screen().nextEnabled);  // Next is used once
    const auto titles = [&] { return QStringList({w.screen().listTitle, w.screen().selectedTitle}); };
    EXPECT_EQ(titles(), QStringList({"Available Counties (3)...", "Counties Selected (0)..."}));
    w.chooseListEntry(0);
    w.chooseListEntry(0);
    EXPECT_EQ(titles(), QStringList({"Counties Available (1)...", "Counties Selected (2).."}));
    w.unselectCounty(0);
    EXPECT_EQ(titles(), QStringList({"Counties Available (2)...", "Counties Selected (1)..."}));
    EXPECT_EQ(w.screen().listEntries, QStringList({"CLA  Clark", "ADA  Adams"}));
    EXPECT_EQ(w.screen().selectedEntries, QStringList({"BEN  Benton"}));
}

TEST_F(WizardTest, refusesMoreCountiesThanTheDistrictRowHolds) {
    QStringList many;
    for (int n = 0; n < 90; ++n) many << QStringLiteral("X%1").arg(n, 2, 10, QLatin1Char('0'));
    store.addRecords(4, many);
    SetupWizard& w = walkTo(1, 2, 2);
    w.chooseListEntry(0);
    w.next();
    const int capacity = store.access.GetFieldSize(5, 4) / 3;
    for (int n = 0; n < capacity; ++n) w.chooseListEntry(0);
    ASSERT_TRUE(store.prompter.messages.isEmpty());
    const QStringList selected = w.screen().selectedEntries;

    w.chooseListEntry(0);

    ASSERT_EQ(store.prompter.messages.size(), 1);
    EXPECT_EQ(store.prompter.messages[0].kind, "warning");
    EXPECT_TRUE(store.prompter.messages[0].text.contains(QString::number(capacity)));
    EXPECT_EQ(w.screen().selectedEntries, selected);
    store.prompter.messages.clear();
    w.save();
    EXPECT_EQ(district("NOR"), QStringList({QString::number(capacity), w.choices().districtCounties.join("")}));
    EXPECT_EQ(district("NOR")[1].size(), capacity * 3);
}

TEST_F(WizardTest, cancellingTheSaveStartsOverAndWritesNothing) {
    SetupWizard& w = walkTo(1, 3, 2);
    store.prompter.answers = {Answer::Cancel};
    w.save();
    const WizardScreen s = w.screen();
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(parm("OType"), "<none>");
    EXPECT_TRUE(s.typeShown);
    EXPECT_FALSE(s.levelShown || s.flowShown || s.listShown || s.selectedShown || s.saveEnabled || s.nextEnabled);
    EXPECT_EQ(s.type + s.level + s.flow + w.choices().situation, 0);
    EXPECT_EQ(s.help, kSelectType);
}

TEST_F(WizardTest, anEarlierChoiceResetsTheLaterOnes) {
    SetupWizard& w = walkTo(1, 1, 1);
    w.chooseListEntry(0);
    ASSERT_TRUE(w.screen().saveEnabled);
    w.chooseLevel(3);
    EXPECT_FALSE(w.screen().saveEnabled || w.screen().listShown);
    EXPECT_EQ(w.choices().flow + w.choices().situation, 0);
    EXPECT_TRUE(w.choices().countyCode.isEmpty());
    w.chooseFlow(1);
    w.chooseType(2);
    EXPECT_FALSE(w.screen().flowShown || w.screen().saveEnabled);
    EXPECT_EQ(w.choices().level, 0);
}

struct ExitCase {
    const char* name;
    SetupChoices current;
    int exits;
};

const ExitCase kExits[] = {
    {"completeSetupGoesOn", chosen(1, 2, 2, 4), 0},
    {"firstRunEnds", {}, 1},
    {"incompleteEnds", chosen(1, 1, 0, 0), 1},
};

class WizardExitTest : public WizardTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(WizardExitTest, endsTheProgramWithoutACompleteSetup) {
    wizard(GetParam().current).exit();
    EXPECT_EQ(exits, GetParam().exits);
}

INSTANTIATE_TEST_SUITE_P(Exits, WizardExitTest, ::testing::ValuesIn(kExits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardTest, aDistrictWithoutItsRowStillBecomesTheOffice) {
    SetupChoices choices = chosen(1, 2, 2, 3);
    choices.districtCode = "EAS";
    choices.districtCounties = {"ADA"};
    saveSetup(store.access, choices);
    EXPECT_EQ(parm("DistrictInfo"), "EAS");
    EXPECT_EQ(parm("UserSituation"), "3");
    EXPECT_EQ(store.keys(5), QStringList({"NOR", "SOU"}));
}

}  // namespace
