#include "parm_rows.h"
#include "store/settings/parameter_reading.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

using test::definedFields;
using test::parmFields;

const SettingFacts kFacts{{"Office Laser", 2}, "07-001"};

class SettingsTableTest : public ::testing::Test {
protected:
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(SettingsTableTest, DefiningAllOnAnEmptyParmCreatesExactlyTheSystemSettings) {
    QStringList expected{"OType", "OpLevel", "UserSituation", "DataFlow", "CountyInfo", "DistrictInfo",
                         "VersionNumber", "TransferDate", "MasterPrinter", "MasterFont", "Multimachine",
                         "Datareadonly", "MenuImages", "BackUpDate", "ZipDrive", "BackDrive", "FloppyDrive",
                         "AccessCount", "WordProcessor", "AgentHelp", "AgentNumber", "EMethod", "ESender", "EUser",
                         "EServer", "EDomain", "EPassword", "EISPPhone", "ESendTo", "HelpWrite", "DefaultPrinter", "WebHost"};
    for (int n = 1; n <= 12; ++n) expected << QStringLiteral("M%1").arg(n);
    expected.sort();

    defineAllSettings(access, kFacts);

    EXPECT_EQ(store.keys(kParmSlot), expected);
}

TEST_F(SettingsTableTest, DefinedRowsCarryTheTableTexts) {
    struct Case {
        QString key;
        QStringList fields;
    };
    const std::vector<Case> cases = {
        {"OType", definedFields("Select Organization Type", "0", "4", {"0", "1", "2", "3"}, "T")},
        {"DataFlow", definedFields("Select Data Flow Method", "0", "3", {"0", "1", "2"}, "T")},
        {"CountyInfo", definedFields("County Of Usage", "", "", {}, "T")},
        {"M3", definedFields("Menu 3 Image Name", "I3.bmp", "0", {}, "F")},
        {"M12", definedFields("Menu 12 Image Name", "I12.bmp", "0", {}, "F")},
        {"ZipDrive", definedFields("100 MB Zip drive letter (D: E: F: G: etc.)", "D:", "5",
                                   {"D:", "E:", "F:", "G:", "H:"}, "F")},
        {"AgentNumber", definedFields("Microsoft Help Agent Number", "0", "4", {"1", "2", "3", "4"}, "")},
        {"EMethod", definedFields("EMail:  Method (1 - Dialup) (2 - LAN)", "0", "3", {"0", "1", "2"}, "F")},
        {"VersionNumber", definedFields("Grovanta! current version number", "07-001", "0", {}, "T")},
        {"MasterPrinter", definedFields("VN Default Printer", "Office Laser", "0", {}, "T")},
        {"MasterFont", definedFields("VN Default Printer Font", "Arial", "0", {}, "T")},
        {"DefaultPrinter", definedFields("Corvello Default Printer", "Office Laser", "2", {}, "T")},
        {"WebHost", definedFields("Varnedo Central Web Service Host", "https://central.varnedo.example", "0", {}, "T")},
    };
    defineAllSettings(access, kFacts);
    for (const Case& c : cases) EXPECT_EQ(parmFields(access, c.key), c.fields) << c.key.toStdString();
}

TEST_F(SettingsTableTest, ReadingAMissingSettingDefinesItWithItsDefault) {
    const ParameterRead read = readParameter(access, "M3", kFacts);
    EXPECT_EQ(read.value, "I3.bmp");
    EXPECT_TRUE(read.created);
    EXPECT_EQ(parmFields(access, "M3"), definedFields("Menu 3 Image Name", "I3.bmp", "0", {}, "F"));
    EXPECT_EQ(readParameterInt(access, "OpLevel"), 0);
    EXPECT_EQ(store.keys(kParmSlot), (QStringList{"M3", "OpLevel"}));
}

TEST_F(SettingsTableTest, ReadingAPresentSettingChangesNothing) {
    test::setParm(access, "OpLevel", "2");
    const ParameterRead read = readParameter(access, "OpLevel");
    EXPECT_EQ(read.value, "2");
    EXPECT_FALSE(read.created);
    EXPECT_EQ(readParameterInt(access, "OpLevel"), 2);
    EXPECT_EQ(parmFields(access, "OpLevel").at(0), "");  // the prompt was not filled in
}

TEST_F(SettingsTableTest, KeysTheSystemNeverDefinesReadEmptyAndStayMissing) {
    for (const QString key : {"CurLabel", "Institution", "ABC"}) {
        const ParameterRead read = readParameter(access, key);
        EXPECT_EQ(read.value, "") << key.toStdString();
        EXPECT_FALSE(read.exists) << key.toStdString();
    }
    EXPECT_TRUE(store.keys(kParmSlot).isEmpty());
    test::setParm(access, "CurLabel", "Avery 5160");
    EXPECT_EQ(readParameter(access, "CurLabel").value, "Avery 5160");
}

TEST_F(SettingsTableTest, WritingAMissingSettingDefinesItFirst) {
    writeParameterValue(access, "BackUpDate", "6/18/2002 2:05:09 PM");
    EXPECT_EQ(parmFields(access, "BackUpDate"),
              definedFields("Date Of Last Backup", "6/18/2002 2:05:09 PM", "0", {}, "F"));
    writeParameterValue(access, "CurLabel", "Avery 5160");
    EXPECT_EQ(readParameter(access, "CurLabel").value, "Avery 5160");
}

}  // namespace
}  // namespace vn
