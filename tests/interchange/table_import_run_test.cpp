#include "interchange/import/table_import_run.h"

#include "fake_foreign_table.h"
#include "lists/records/record_tables.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const KeyOrigin kCounty{"wy", "alb"};
constexpr int kFirst = 2, kMI = 3, kLast = 4, kCity = 13;

QString keyOf(int number) { return buildRecordKey("abc", kCounty, number); }

struct TableImportRunTest : ::testing::Test {
    // Columns Last, First, Notes, City, Photo (binary); rows as told.
    test::FakeForeignTable table(QList<QStringList> rows) {
        QList<ForeignColumn> columns = test::textColumns({"LAST", "FIRST", "NOTES", "CITY"});
        columns[2].type = ForeignType::Memo;
        columns.append({"PHOTO", ForeignType::Binary});
        for (QStringList& row : rows) row << QStringLiteral("0x00");
        return test::FakeForeignTable(columns, rows);
    }
    // Last into Last; First into First, M.I. and page 1 text column 1; Notes into page 2's memo;
    // City into page 4 column 3. The list has four pages.
    ImportPlan plan() {
        ImportPlan p{"ABC", kCounty, 4, 0, ImportMapping(1000)};
        p.mapping.map(1, {0, kLast});
        for (FieldRef target : {FieldRef{0, kFirst}, FieldRef{0, kMI}, FieldRef{1, 1}}) p.mapping.map(2, target);
        p.mapping.map(3, {2, kMemoColumn});
        p.mapping.map(4, {4, 3});
        return p;
    }
    QString value(int slot, const QString& key, int field) {
        return access.FindRecord(slot, key) ? access.GetFieldText(slot, field) : QStringLiteral("<no row>");
    }
    int counter() { return access.FindRecord(kParmSlot, "abc") ? access.GetFieldInt(kParmSlot, 2) : -1; }
    void expectNothingWritten() {
        EXPECT_EQ(value(kHeadSlot, keyOf(1), kLast), "<no row>");
        EXPECT_EQ(value(pageSlot(1), keyOf(1), 1), "<no row>");
        EXPECT_EQ(counter(), -1);
    }
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(TableImportRunTest, EveryRowBecomesARecordWithEachColumnInEveryTarget) {
    const QString memo = QString(3000, u'm') + "\r\nend";
    auto source = table({{"Smith", "Ann", memo, "Casper"}, {"Jones", "Bo", "", "Cody"}});
    TableImportRun run(access, plan(), source, "people.dbf");
    ASSERT_EQ(run.importAll({}), WorkEnd::Done) << run.failure().toStdString();
    EXPECT_EQ(run.summary().keys, QStringList({keyOf(1), keyOf(2)}));
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kLast), "Smith");
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kFirst), "Ann");
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kMI), "Ann");
    EXPECT_EQ(value(pageSlot(1), keyOf(1), 1), "Ann");
    EXPECT_EQ(value(pageSlot(2), keyOf(1), kMemoColumn), memo);  // whole, in the memo column
    EXPECT_EQ(value(pageSlot(4), keyOf(2), 3), "Cody");
    EXPECT_EQ(value(pageSlot(3), keyOf(2), 1), "");  // every page of the list gets its row
    EXPECT_EQ(value(pageSlot(5), keyOf(2), 1), "<no row>");
    EXPECT_EQ(counter(), 3);
    EXPECT_EQ(run.summary().message(), "2 records imported.");
}

TEST_F(TableImportRunTest, ValuesLongerThanTheirFieldAreCutAndCountedFromTheirRow) {
    auto source = table({{"Lee", "Cy", "", ""}, {"Kim", "Dorothea", "", ""}, {QString(50, u'x'), "Di", "", ""}});
    TableImportRun run(access, plan(), source, "people.dbf");
    ASSERT_EQ(run.importAll({}), WorkEnd::Done);
    EXPECT_EQ(value(kHeadSlot, keyOf(2), kMI), "Dorot");
    EXPECT_EQ(value(kHeadSlot, keyOf(2), kFirst), "Dorothea");
    EXPECT_EQ(value(kHeadSlot, keyOf(3), kLast), QString(40, u'x'));
    EXPECT_EQ(run.summary().cutValues, 2);
    EXPECT_EQ(run.summary().message(),
              "3 records imported. 2 values were cut to the size of their fields (first in row 2).");
}

TEST_F(TableImportRunTest, ColumnsBeyondTheOldLimitsImport) {
    QStringList names, row;
    for (int i = 1; i <= 250; ++i) {
        names << QStringLiteral("C%1").arg(i);
        row << QStringLiteral("v%1").arg(i);
    }
    test::FakeForeignTable source(test::textColumns(names), {row});
    ImportPlan p{"ABC", kCounty, 1, 0, ImportMapping(names.size())};
    for (int column = 1; column <= 6; ++column) p.mapping.map(250, {1, column});
    p.mapping.map(201, {0, kCity});
    TableImportRun run(access, p, source, "wide.db");
    ASSERT_EQ(run.importAll({}), WorkEnd::Done);
    EXPECT_EQ(value(pageSlot(1), keyOf(1), 6), "v250");
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kCity), "v201");
}

// Whatever stops the run, the list stays as it was: rows are read whole first, then one transaction.
TEST_F(TableImportRunTest, AnUnreadableRowOrCancelLeavesNothing) {
    const QList<QStringList> rows{{"A", "a", "", ""}, {"B", "b", "", ""}, {"C", "c", "", ""}};
    {
        auto source = table(rows);
        source.failAt(2);
        TableImportRun run(access, plan(), source, "people.dbf");
        EXPECT_EQ(run.importAll({}), WorkEnd::Failed);
        EXPECT_EQ(run.failure(), "people.dbf, row 3: block 3 is damaged");
        expectNothingWritten();
    }
    {
        test::FakeForeignTable source(test::textColumns({"LAST", "FIRST", "NOTES", "CITY"}), {{"A", "a", "", ""}, {"B"}});
        TableImportRun run(access, plan(), source, "short.dbf");
        EXPECT_EQ(run.importAll({}), WorkEnd::Failed);
        EXPECT_EQ(run.failure(), "short.dbf, row 2: the row has 1 values for 4 columns");
        expectNothingWritten();
    }
    for (qint64 cancelAt : {qint64(1), qint64(4)}) {  // while reading, while writing
        auto source = table(rows);
        TableImportRun run(access, plan(), source, "people.dbf");
        WorkProgress progress;
        progress.step = [cancelAt](qint64 done, qint64) { return done < cancelAt; };
        EXPECT_EQ(run.importAll(progress), WorkEnd::Cancelled) << cancelAt;
        expectNothingWritten();
    }
}

TEST_F(TableImportRunTest, ABinaryOrMissingColumnIsRefusedBeforeReading) {
    for (int column : {5, 6}) {
        auto source = table({{"A", "a", "", ""}});
        ImportPlan p = plan();
        p.mapping.map(column, {0, kCity});
        TableImportRun run(access, p, source, "people.dbf");
        EXPECT_EQ(run.importAll({}), WorkEnd::Failed);
        EXPECT_FALSE(run.failure().isEmpty());
        expectNothingWritten();
    }
}

}  // namespace
