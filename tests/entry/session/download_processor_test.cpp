#include "lists/records/record_tables.h"
#include "entry/session/download_processor.h"
#include "store/engine/store_error.h"
#include "session_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

struct DownloadProcessorTest : ::testing::Test {
    QString base() const { return fx.tmp.path(); }
    QString file() const { return QDir(base()).filePath("WebXfer/wyalbdown.vnq"); }
    void write(const QByteArray& text) {
        QDir().mkpath(QDir(base()).filePath("WebXfer"));
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    DownloadResult process() { return ProcessDownload(fx.access, base(), "WY", "ALB"); }
    QString stored(int slot, const QString& key, int field) {
        return fx.access.FindRecord(slot, key) ? fx.access.GetFieldText(slot, field) : "<no row>";
    }
    test::SessionFixture fx;
};

TEST_F(DownloadProcessorTest, RecordLinesMakeRowsAndMemoLinesFillTheMemoOfTheirRecord) {
    fx.putRow(kPag1Slot, "abcwyalb000100000", {{1, "kept"}});
    write("2S~abcwyalb000000000~Mr~Ann~Q~Smith\r\n"
          "3S~abcwyalb000000000~red~blue\r\n"
          "3M~first line\r\n"
          "  3M~second line~\r\n"
          "3S~abcwyalb000100000~changed?\r\n"
          "3M~memo of the kept row\r\n"
          "9S~abcwyalb000200000~unknown table\r\n"
          "2M~header memo\r\n"
          "\r\n"
          "~no code\r\n");
    const DownloadResult r = process();
    EXPECT_TRUE(r.fileFound);
    EXPECT_EQ(stored(kHeadSlot, "abcwyalb000000000", 4), "Smith");
    EXPECT_EQ(stored(kPag1Slot, "abcwyalb000000000", 2), "blue");
    EXPECT_EQ(stored(kPag1Slot, "abcwyalb000000000", kMemoColumn), "first line\nsecond line\n");
    EXPECT_EQ(stored(kPag1Slot, "abcwyalb000100000", 1), "kept");
    EXPECT_EQ(stored(kPag1Slot, "abcwyalb000100000", kMemoColumn), "memo of the kept row\n");
    EXPECT_EQ(r.created, 2);
    EXPECT_EQ(r.kept, 1);
    EXPECT_EQ(r.memos, 2);
    EXPECT_EQ(r.skippedLines, 2);  // the unknown table and the header memo
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(DownloadProcessorTest, AMemoFollowsItsOwnTableAcrossLinesOfAnother) {
    write("3S~abcwyalb000000000~a\n4S~abcwyalb000900000~b\n3M~page one memo\n");
    process();
    EXPECT_EQ(stored(kPag1Slot, "abcwyalb000000000", kMemoColumn), "page one memo\n");
    EXPECT_EQ(stored(kPag2Slot, "abcwyalb000900000", kMemoColumn), "");
}

TEST_F(DownloadProcessorTest, ABadLineWritesNothingAndKeepsTheFile) {
    write("3S~abcwyalb000000000~a\n3S~abcwyalb0000000000000000000000~too long a key\n");
    EXPECT_THROW(process(), StoreError);
    EXPECT_EQ(fx.access.RecordCount(kPag1Slot), 0);
    EXPECT_TRUE(QFile::exists(file()));
}

TEST_F(DownloadProcessorTest, TheGaugeRunsOverEveryLineAndCancelWritesNothing) {
    const QByteArray text = "2S~abcwyalb000000000~Mr~Ann\n3S~abcwyalb000000000~a\n3M~memo\n\n2S~abcwyalb000100000~Ms\n";
    write(text);
    QList<qint64> steps;
    const DownloadResult done = ProcessDownload(fx.access, base(), "WY", "ALB", [&](qint64 n, qint64 total) {
        EXPECT_EQ(total, 5);
        steps << n;
        return true;
    });
    EXPECT_EQ(steps, (QList<qint64>{1, 2, 3, 4, 5}));
    EXPECT_EQ(done.created, 3);

    fx.access.DeleteAllRecords(kHeadSlot, false);
    fx.access.DeleteAllRecords(kPag1Slot, false);
    for (const qint64 stopAt : {1, 3, 5}) {
        SCOPED_TRACE(stopAt);
        write(text);
        const DownloadResult r = ProcessDownload(fx.access, base(), "WY", "ALB", [&](qint64 n, qint64) { return n < stopAt; });
        EXPECT_TRUE(r.cancelled);
        EXPECT_EQ(fx.access.RecordCount(kHeadSlot), 0);
        EXPECT_EQ(fx.access.RecordCount(kPag1Slot), 0);
        EXPECT_TRUE(QFile::exists(file()));
    }
}

TEST_F(DownloadProcessorTest, AMissingFileGivesTheNotice) {
    const DownloadResult r = process();
    EXPECT_FALSE(r.fileFound);
    EXPECT_EQ(r.message, "Notice!  All data files downloaded from Varnedo Central [" + base() +
                             "/WebXfer/wyalbdown.vnq] have been processed.");
}

}  // namespace
