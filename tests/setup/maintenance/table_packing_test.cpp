#include "lists/records/record_tables.h"
#include "maintenance_rows.h"
#include "setup/maintenance/table_packing.h"
#include "store/engine/database.h"
#include "support/database_damage.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace vn;
using test::fieldOf;
using test::putRow;

namespace {

struct RowCase {
    const char* name;
    int slot;
    QString key;
    std::initializer_list<std::pair<int, QString>> fields;
    bool stays;
};

const QString kKey = QStringLiteral("abcwyalb001000000");

const RowCase kRowCases[] = {
    {"Head with a key only", kHeadSlot, kKey, {}, false},
    {"Head with a last name", kHeadSlot, "abcwyalb002000000", {{4, "Smith"}}, true},
    {"Head with only an empty key", kHeadSlot, "", {{4, "Nobody"}}, false},
    {"Selc with a key only", kSelcSlot, "zz list item", {}, true},
    {"Selc without a key", kSelcSlot, "", {{1, "3"}}, false},
    {"Pag1 with a memo only", kPag1Slot, kKey, {{kMemoColumn, "a memo"}}, true},
    {"Pag6 with a key only", kPag6Slot, kKey, {}, false},
    {"Parm with a key only", kParmSlot, "zzEmpty", {}, false},
};

void putCases(RecordAccess& a) {
    for (const RowCase& c : kRowCases) putRow(a, c.slot, c.key, c.fields);
}

qint64 packedCount(const TablePacking& done, const QString& table, qint64 PackedTable::*count) {
    for (const PackedTable& t : done.tables)
        if (t.table == table) return t.*count;
    return -1;
}

TEST(PackDataTables, keepsRowsWithTextAndKeyedSelectionRows) {
    test::StoreFixture store;
    putCases(store.access);
    const qint64 selcRows = store.access.RecordCount(kSelcSlot);
    qint64 last = 0;

    const TablePacking done = packDataTables(store.access, [&](qint64 d, qint64 total) {
        EXPECT_GT(d, last);
        last = d;
        return d <= total;
    });

    for (const RowCase& c : kRowCases) EXPECT_EQ(store.access.FindRecord(c.slot, c.key), c.stays) << c.name;
    ASSERT_EQ(done.tables.size(), 26u);
    EXPECT_EQ(done.tables.front().table, "Parm");
    EXPECT_EQ(done.tables.back().table, "Pag6");
    EXPECT_EQ(packedCount(done, "Head", &PackedTable::read), 3);
    EXPECT_EQ(packedCount(done, "Head", &PackedTable::kept), 1);
    EXPECT_EQ(packedCount(done, "Selc", &PackedTable::kept), selcRows - 1);
    EXPECT_EQ(last, 27);
    EXPECT_TRUE(done.refusal.isEmpty());
}

TEST(PackDataTables, aCancelChangesNothing) {
    test::StoreFixture store;
    putCases(store.access);
    const TablePacking done = packDataTables(store.access, [](qint64 d, qint64) { return d < 20; });
    EXPECT_TRUE(done.cancelled);
    for (const RowCase& c : kRowCases) EXPECT_TRUE(store.access.FindRecord(c.slot, c.key)) << c.name;
}

TEST(PackDataTables, refusesADamagedDatabaseNamingIt) {
    test::StoreFixture store;
    putCases(store.access);
    for (int i = 0; i < 200; ++i) putRow(store.access, kHeadSlot, QStringLiteral("h%1").arg(i), {{4, QString(30, 'x')}});
    store.catalogue.closeAll();
    test::zeroTablePage(store.databasePath(), "Head");
    store.catalogue.ReopenDataTables(store.dataFolder(), {});

    const TablePacking done = packDataTables(store.access, {});

    EXPECT_TRUE(done.refusal.contains(store.databasePath())) << done.refusal.toStdString();
    EXPECT_TRUE(done.tables.empty());
    EXPECT_TRUE(store.access.FindRecord(kParmSlot, "zzEmpty"));
}

// A pack killed at a given step (or a while after it, so that the kill falls into the commit or
// the rewrite), then the database opened again.
struct KillCase {
    const char* name;
    qint64 atStep;
    int delayMs;  // 0: killed at once, inside the transaction
};

const KillCase kKillCases[] = {
    {"in the first table", 1, 0},
    {"after the last table", 26, 0},
    // The commit and the rewrite take a few milliseconds here: a spread of delays lands in both.
    {"1 ms after the last table", 26, 1},
    {"2 ms after the last table", 26, 2},
    {"4 ms after the last table", 26, 4},
    {"8 ms after the last table", 26, 8},
};

[[noreturn]] void packAndDie(const QString& folder, const KillCase& kill) {
    test::RecordingPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
    catalogue.ReopenDataTables(folder, {});
    packDataTables(access, [&](qint64 done, qint64) {
        if (done != kill.atStep) return true;
        if (kill.delayMs == 0) raise(SIGKILL);
        std::thread([ms = kill.delayMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            raise(SIGKILL);
        }).detach();
        return true;
    });
    _exit(0);  // finished before the kill came
}

TEST(PackDataTables, aKilledPackLosesNoRowWithText) {
    for (const KillCase& kill : kKillCases) {
        SCOPED_TRACE(kill.name);
        test::StoreFixture store;
        putCases(store.access);
        {
            Transaction t(store.access.database(kPag1Slot));
            for (int i = 0; i < 3000; ++i)
                putRow(store.access, kPag1Slot, QStringLiteral("r%1").arg(i, 5, 10, QChar('0')),
                       {{1, QString(80, 'p')}, {2, QString::number(i)}});
            t.commit();
        }
        store.catalogue.closeAll();

        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) packAndDie(store.dataFolder(), kill);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (kill.delayMs == 0) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        }

        store.catalogue.ReopenDataTables(store.dataFolder(), {});
        EXPECT_TRUE(store.access.database(kPag1Slot).isIntact());
        EXPECT_EQ(store.access.RecordCount(kPag1Slot), 3001);
        EXPECT_EQ(fieldOf(store.access, kPag1Slot, "r02999", 2), "2999");
        for (const RowCase& c : kRowCases) {
            const bool found = store.access.FindRecord(c.slot, c.key);
            if (c.stays || kill.delayMs == 0) {
                EXPECT_TRUE(found) << c.name;
            }
        }
    }
}

}  // namespace
