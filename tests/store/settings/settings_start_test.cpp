#include "parm_rows.h"
#include "store/settings/define_parameter.h"
#include "store/settings/settings.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

using test::definedFields;
using test::parmFields;
using test::setParm;

const SettingFacts kFacts{{"Office Laser", 2}, "06-248"};

class SettingsStartTest : public ::testing::Test {
protected:
    Settings start(const SettingFacts& facts = kFacts) { return readSettings(access, facts); }
    QString value(const QString& key) { return parmFields(access, key).value(1); }

    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(SettingsStartTest, FirstStartDefinesTheSetupSettingsUnset) {
    const Settings s = start();
    EXPECT_EQ(parmFields(access, "OType"),
              definedFields("Select Organization Type", "0", "4", {"0", "1", "2", "3"}, "T"));
    EXPECT_EQ(s.organisationType, 0);
    EXPECT_EQ(s.operationalLevel, 0);
    EXPECT_EQ(s.dataFlow, 0);
    EXPECT_EQ(s.zipDrive, "D:");
    EXPECT_EQ(s.masterFont, "Arial");
    EXPECT_EQ(s.masterPrinter, "Office Laser");
    EXPECT_EQ(s.webHost, "https://central.varnedo.example");
}

TEST_F(SettingsStartTest, StoredWebHostIsRead) {
    setParm(access, "WebHost", "http://test-server.local");
    EXPECT_EQ(start().webHost, "http://test-server.local");
}

TEST_F(SettingsStartTest, EveryStartCountsItselfAndRewritesTheVersion) {
    setParm(access, "AccessCount", "41");
    setParm(access, "VersionNumber", "05-100");
    EXPECT_EQ(start().accessCount, 42);
    const Settings second = start();
    EXPECT_EQ(second.accessCount, 43);
    EXPECT_EQ(value("AccessCount"), "43");
    EXPECT_EQ(second.versionNumber, "06-248");
    EXPECT_EQ(value("VersionNumber"), "06-248");
}

TEST_F(SettingsStartTest, FirstCountIsOne) {
    EXPECT_EQ(start().accessCount, 1);
    EXPECT_EQ(value("AccessCount"), "1");
}

TEST_F(SettingsStartTest, ExistingDefaultPrinterIsOverwrittenWithTheCurrentPrinter) {
    DefineParameter(access, "DefaultPrinter", "Corvello Default Printer", "T", "", "", "", "", "", "7", "Old Printer");
    const Settings s = start();
    EXPECT_EQ(parmFields(access, "DefaultPrinter"),
              definedFields("Corvello Default Printer", "Office Laser", "2", {}, "T"));
    EXPECT_EQ(s.defaultPrinter, "Office Laser");
    EXPECT_EQ(s.printerIndex, 2);
}

TEST_F(SettingsStartTest, MissingDefaultPrinterIsDefinedFromTheCurrentPrinter) {
    struct Case {
        PrinterFacts printer;
        QString count;
    };
    const std::vector<Case> cases = {{{"Office Laser", 3}, "3"}, {{}, "0"}};
    for (const Case& c : cases) {
        access.DeleteRecord(kParmSlot, "DefaultPrinter");
        const Settings s = start({c.printer, "06-248"});
        EXPECT_EQ(parmFields(access, "DefaultPrinter"),
                  definedFields("Corvello Default Printer", c.printer.name, c.count, {}, "T"));
        EXPECT_EQ(s.printerIndex, c.printer.index);
        EXPECT_EQ(s.defaultPrinter, c.printer.name);
    }
}

TEST_F(SettingsStartTest, NewlyDefinedAgentSettingsLeaveTheAgentOffUntilTheNextStart) {
    const Settings first = start();
    EXPECT_FALSE(first.agentHelp);
    EXPECT_EQ(first.agentNumber, 0);
    EXPECT_EQ(value("AgentHelp"), "True");

    setParm(access, "AgentNumber", "3");
    const Settings second = start();
    EXPECT_TRUE(second.agentHelp);
    EXPECT_EQ(second.agentNumber, 3);
}

TEST_F(SettingsStartTest, PlaceOfUsageIsReadOnlyWhereTheLevelNeedsIt) {
    struct Case {
        QString level;
        bool county;
        bool district;
    };
    const std::vector<Case> cases = {{"0", false, false}, {"1", true, true}, {"2", false, true}, {"3", false, false}};
    for (const Case& c : cases) {
        access.DeleteAllRecords(kParmSlot, false);
        setParm(access, "OpLevel", c.level);
        start();
        EXPECT_EQ(access.FindRecord(kParmSlot, "CountyInfo"), c.county) << c.level.toStdString();
        EXPECT_EQ(access.FindRecord(kParmSlot, "DistrictInfo"), c.district) << c.level.toStdString();
    }
    setParm(access, "OpLevel", "1");
    setParm(access, "CountyInfo", "ALB");
    EXPECT_EQ(start().countyInfo, "ALB");
}

TEST_F(SettingsStartTest, MenuImageNamesAreReadOnlyWhenImagesAreShown) {
    setParm(access, "MenuImages", "False");
    EXPECT_TRUE(start().menuImageNames.isEmpty());
    EXPECT_FALSE(access.FindRecord(kParmSlot, "M3"));

    setParm(access, "MenuImages", "True");
    setParm(access, "M1", "a_picture_name_far_too_long.bmp");
    const Settings s = start();
    ASSERT_EQ(s.menuImageNames.size(), 12);
    EXPECT_EQ(s.menuImageNames[0], "a_picture_name_far_too_");
    EXPECT_EQ(s.menuImageNames[2], "I3.bmp");
    EXPECT_EQ(value("M3"), "I3.bmp");
}

TEST_F(SettingsStartTest, InstitutionIsItsFirstDigit) {
    struct Case {
        QString stored;
        int expected;
    };
    const std::vector<Case> cases = {{"7 County Office", 7}, {"X", 0}, {"", 0}};
    for (const Case& c : cases) {
        setParm(access, "Institution", c.stored);
        EXPECT_EQ(start().institution, c.expected) << c.stored.toStdString();
    }
}

}  // namespace
}  // namespace vn
