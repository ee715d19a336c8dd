// The Paradox writer read back by pxlib: header, fields, rows in key order, every key found
// through the primary index (two levels for a long list), and nothing half written.
#include "interchange/tables/paradox_table_writer.h"
#include "paradox_oracle.h"
#include "support/temp_folder.h"
#include "store/engine/store_error.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vn::test {

namespace {

QByteArray key(int n) { return QStringLiteral("abcwyalb%1").arg(n, 6, 10, QLatin1Char('0')).toLatin1() + "000"; }

struct ParadoxWriterTest : ::testing::Test {
    QString path(const QString& file) const { return QDir(tmp.path()).filePath(file); }
    ParadoxTable readBack() const { return readParadox(path("grades.db"), path("grades.px")); }
    void write(int rows, ParadoxTableWriter& writer) {
        writer.create(path("grades.db"), {{"Key", 18}, {"Last", 30}, {"Straße", 30}});
        for (int n = 0; n < rows; ++n) writer.addRow({key(n), QByteArray("M\xfcller ") + QByteArray::number(n), "x"});
    }
    TempFolder tmp;
};

TEST_F(ParadoxWriterTest, aKeyedTableOfAlphaFieldsInCodePage1252) {
    ParadoxTableWriter writer;
    write(3, writer);
    writer.commit();
    const ParadoxTable table = readBack();
    ASSERT_TRUE(table.opened);
    EXPECT_EQ(table.codePage, 1252);
    EXPECT_EQ(table.primaryKeyFields, 1);
    EXPECT_EQ(table.fieldNames, (QStringList{"Key", "Last", QString::fromLatin1("Stra\xdf" "e")}));
    EXPECT_EQ(table.fieldSizes, (QList<int>{18, 30, 30}));
    ASSERT_EQ(table.rows.size(), 3);
    EXPECT_EQ(table.rows[2], (QList<QByteArray>{key(2), "M\xfcller 2", "x"}));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"grades.db", "grades.px"}));
}

// Rows per data block and entries per index block make 5000 rows need a second index level.
TEST_F(ParadoxWriterTest, everyKeyIsFoundThroughTheIndexOfOneAndOfTwoLevels) {
    for (const auto& [rows, levels] : {std::pair{100, 1}, std::pair{5000, 2}}) {
        ParadoxTableWriter writer;
        write(rows, writer);
        writer.commit();
        const ParadoxTable table = readBack();
        ASSERT_EQ(table.rows.size(), rows);
        EXPECT_EQ(table.indexLevels, levels) << rows;
        int missing = 0;
        for (int n = 0; n < rows; ++n) missing += table.findThroughIndex(key(n)) == 0;
        EXPECT_EQ(missing, 0) << rows;
        EXPECT_EQ(table.findThroughIndex(key(rows)), 0);
        QList<QByteArray> keys;
        for (const auto& row : table.rows) keys << row[0];
        EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    }
}

TEST_F(ParadoxWriterTest, anEmptyTableCanBeRead) {
    ParadoxTableWriter writer;
    write(0, writer);
    writer.commit();
    const ParadoxTable table = readBack();
    ASSERT_TRUE(table.opened);
    EXPECT_TRUE(table.rows.isEmpty());
    EXPECT_EQ(table.fieldNames.size(), 3);
}

TEST_F(ParadoxWriterTest, aWriterDroppedBeforeCommitLeavesTheOldTableAndNoTemporaryFiles) {
    {
        ParadoxTableWriter writer;
        write(2, writer);
        writer.commit();
    }
    {
        ParadoxTableWriter writer;
        write(50, writer);  // cancelled: never committed
    }
    EXPECT_EQ(readBack().rows.size(), 2);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"grades.db", "grades.px"}));
}

TEST_F(ParadoxWriterTest, aFolderThatCannotBeWrittenIsNamed) {
    ParadoxTableWriter writer;
    try {
        writer.create(path("missing/grades.db"), {{"Key", 18}});
        FAIL() << "created";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains("missing")) << e.message().toStdString();
    }
}

}  // namespace

}  // namespace vn::test
