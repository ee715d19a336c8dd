#include "lists/definitions/definition_tables.h"
#include "lists/records/record_tables.h"
#include "maintenance_rows.h"
#include "setup/maintenance/maintenance_tasks.h"
#include "setup/maintenance/record_cleanup.h"
#include "setup/maintenance/selection_key_repair.h"
#include "setup/maintenance/table_clearing.h"
#include "store/settings/settings_slots.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using test::fieldOf;
using test::putRow;

namespace {

const QString kNamed = QStringLiteral("abcwyalb001000000");
const QString kNull = QStringLiteral("abcwyalb002000000");

TEST(MaintenanceTasks, areListedNumberedWithTheirQuestions) {
    const auto tasks = maintenanceTasks();
    ASSERT_EQ(tasks.size(), 7u);
    for (std::size_t i = 0; i < tasks.size(); ++i) EXPECT_EQ(tasks[i].number, int(i) + 1);
    EXPECT_EQ(numberedCaption(tasks[0]), "1)   Install Level Clear  (Caution!)");
    EXPECT_EQ(numberedCaption(tasks[6]), "7)   Pack Data Tables (CAUTION!!!)");
    for (int silent : {2, 3, 4, 5}) EXPECT_EQ(tasks[silent].question, nullptr) << silent;
    EXPECT_TRUE(tasks[6].beepFirst);
}

TEST(MaintenanceTasks, reportWhatTheyDidForTheWindow) {
    test::StoreFixture store;
    putRow(store.access, kLinkSlot, kNamed + "AA", {{1, "1"}});
    MaintenanceContext context{store.access, {"wy", "alb"}, [](qint64, qint64) { return false; }};
    const auto tasks = maintenanceTasks();

    const TaskOutcome links = tasks[1].run(context);
    ASSERT_EQ(links.counts.size(), 1u);
    EXPECT_EQ(links.counts[0].number, 1);
    EXPECT_TRUE(tasks[6].run(context).cancelled);
    context.step = {};
    EXPECT_EQ(tasks[6].run(context).packed.size(), 26u);
    EXPECT_EQ(tasks[0].run(context).closingMessage, "Varnedo will now close.");
}

TEST(InstallLevelClear, emptiesTheTablesAndResetsTheSetup) {
    test::StoreFixture store;
    RecordAccess& a = store.access;
    putRow(a, kListSlot, "abc", {{1, "Members"}});
    putRow(a, kParmSlot, "abc", {{kParmValue, "12"}});
    putRow(a, kParmSlot, "OType", {{kParmValue, "2"}});
    putRow(a, kParmSlot, "AccessCount", {{kParmValue, "17"}});
    putRow(a, kParmSlot, "EUser", {{kParmValue, "bob"}});
    putRow(a, kParmSlot, "ZipDrive", {{kParmValue, "G:"}});
    a.DeleteRecord(kParmSlot, "EMethod");
    putRow(a, kCountyCitySlot, "x", {{1, "Laramie"}});
    putRow(a, kCountySlot, "zz", {{1, "kept"}});
    for (int slot : {kHeadSlot, kPag1Slot, kPag6Slot, kLinkSlot, kTdatSlot, kSelcSlot, kHelpSlot, kDeleSlot})
        putRow(a, slot, "abc1", {{1, "x"}});

    const InstallationClearing done = clearInstallation(a);

    for (int slot : {kListSlot, kFdisSlot, kSelcSlot, kHeadSlot, kHelpSlot, kPhraSlot, kPag1Slot, kPag2Slot, kPag3Slot,
                     kPag4Slot, kPag5Slot, kPag6Slot, kQueuSlot, kSinfSlot, kPinfSlot, kChecSlot, kDeleSlot, kLinkSlot,
                     kTdatSlot, kCountyCitySlot})
        EXPECT_EQ(a.RecordCount(slot), 0) << TableCatalogue::shortName(slot).toStdString();
    EXPECT_FALSE(a.FindRecord(kParmSlot, "abc"));
    EXPECT_EQ(fieldOf(a, kParmSlot, "OType", kParmValue), "0");
    EXPECT_EQ(fieldOf(a, kParmSlot, "AccessCount", kParmValue), "0");
    EXPECT_EQ(fieldOf(a, kParmSlot, "EUser", kParmValue), "");
    EXPECT_EQ(fieldOf(a, kParmSlot, "ZipDrive", kParmValue), "G:");
    EXPECT_FALSE(a.FindRecord(kParmSlot, "EMethod"));  // reset only where the row exists
    EXPECT_EQ(fieldOf(a, kCountySlot, "zz", 1), "kept");
    EXPECT_GE(done.rowsDeleted, 11);
    EXPECT_EQ(done.settingsReset, 3);
}

TEST(ClearLinks, deletesEveryLinkRowOnly) {
    test::StoreFixture store;
    putRow(store.access, kLinkSlot, kNamed + "AA", {{1, "1"}});
    putRow(store.access, kLinkSlot, kNamed + "AB", {{1, "1"}});
    putRow(store.access, kHeadSlot, kNamed, {{4, "Smith"}});
    EXPECT_EQ(clearLinks(store.access), 2);
    EXPECT_EQ(store.access.RecordCount(kLinkSlot), 0);
    EXPECT_TRUE(store.access.FindRecord(kHeadSlot, kNamed));
}

TEST(FixSelectionItems, widensFourCharacterKeysAndDeletesOtherLengths) {
    test::StoreFixture store;
    RecordAccess& a = store.access;
    const qint64 seeded = a.RecordCount(kDsliSlot);
    putRow(a, kDsliSlot, "AB1C", {{1, "moved"}});
    putRow(a, kDsliSlot, "2105", {{1, "older"}});
    putRow(a, kDsliSlot, "21005", {{1, "present"}});
    putRow(a, kDsliSlot, "AB1", {{1, "short"}});
    putRow(a, kDsliSlot, "AB", {{1, "short too"}});

    const SelectionKeyRepair done = repairSelectionKeys(a);

    EXPECT_EQ(fieldOf(a, kDsliSlot, "AB01C", 1), "moved");
    EXPECT_EQ(fieldOf(a, kDsliSlot, "21005", 1), "present");  // an existing item is not overwritten
    for (const char* gone : {"AB1C", "2105", "AB1", "AB"}) EXPECT_FALSE(a.FindRecord(kDsliSlot, gone)) << gone;
    EXPECT_EQ(done.widened, 1);
    EXPECT_EQ(done.merged, 1);
    EXPECT_EQ(done.deleted, 2);
    EXPECT_EQ(a.RecordCount(kDsliSlot), seeded + 2);
}

TEST(RemoveTableComponents, deletesGridDefinitionsAndEveryConstruction) {
    namespace fdis = definition_tables::fdis;
    test::StoreFixture store;
    RecordAccess& a = store.access;
    putRow(a, kFdisSlot, "abc101", {{fdis::kKind, "7"}});
    putRow(a, kFdisSlot, "abc102", {{fdis::kKind, "1"}});
    putRow(a, kFdisSlot, "abc103", {{fdis::kKind, "17"}});
    putRow(a, kTdatSlot, "abc101", {{1, "Grid"}});
    putRow(a, kTdatSlot, "abc201", {{1, "Other"}});

    const ComponentRemoval done = removeTableComponents(a);

    EXPECT_FALSE(a.FindRecord(kFdisSlot, "abc101"));
    EXPECT_TRUE(a.FindRecord(kFdisSlot, "abc102"));
    EXPECT_TRUE(a.FindRecord(kFdisSlot, "abc103"));
    EXPECT_EQ(a.RecordCount(kTdatSlot), 0);
    EXPECT_EQ(done.definitions, 1);
    EXPECT_EQ(done.constructions, 2);
}

TEST(RemoveNullRecords, deletesARecordWithoutLastNameWithItsPagesAndChain) {
    test::StoreFixture store;
    RecordAccess& a = store.access;
    putRow(a, kHeadSlot, kNull, {{2, "Ann"}});
    putRow(a, kHeadSlot, kNamed, {{2, "Bob"}, {4, "Smith"}});
    for (const QString& key : {kNull, kNamed}) {
        putRow(a, kPag1Slot, key, {{1, "page one"}});
        putRow(a, kPag4Slot, key, {{kMemoColumn, "memo"}});
        putRow(a, kLinkSlot, key + "AA", {{1, "1"}});
    }

    EXPECT_EQ(removeNullRecords(a), 1);

    for (int slot : {kHeadSlot, kPag1Slot, kPag4Slot}) {
        EXPECT_FALSE(a.FindRecord(slot, kNull)) << slot;
        EXPECT_TRUE(a.FindRecord(slot, kNamed)) << slot;
    }
    EXPECT_FALSE(a.FindRecord(kLinkSlot, kNull + "AA"));
    EXPECT_TRUE(a.FindRecord(kLinkSlot, kNamed + "AA"));
}

}  // namespace
