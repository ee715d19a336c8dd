#include "requests/merge/merge_file.h"
#include "support/file_size_limit.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

QList<PrintField> captioned(const QStringList& captions) {
    QList<PrintField> fields;
    for (const QString& caption : captions) {
        PrintField p;
        p.caption = caption;
        fields << p;
    }
    return fields;
}

QList<ReportRecord> rows(const QList<QStringList>& values) {
    QList<ReportRecord> records;
    for (const QStringList& v : values) records.append({"abcwyalb000100000", v});
    return records;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeOld(const QString& path) {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
}

TEST(MergeFileTest, EveryTextIsQuotedWithItsQuotesDoubledAndOneLineARecord) {
    struct Case {
        const char* what;
        QStringList captions;
        QList<QStringList> values;
        QByteArray bytes;
    } cases[] = {
        {"plain", {"Last", "First"}, {{"Smith", "Ann"}, {"Jones", "Bob"}},
         "\"Last\",\"First\"\r\n\"Smith\",\"Ann\"\r\n\"Jones\",\"Bob\"\r\n"},
        {"commas stay inside the quotes", {"Name"}, {{"Smith, Jr."}}, "\"Name\"\r\n\"Smith, Jr.\"\r\n"},
        {"quotes doubled in values and captions", {"Nick \"name\""}, {{"Ann \"Q\""}},
         "\"Nick \"\"name\"\"\"\r\n\"Ann \"\"Q\"\"\"\r\n"},
        {"a line break is one space", {"Memo"}, {{"a\r\nb\nc\rd\r\n\r\ne"}}, "\"Memo\"\r\n\"a b c d  e\"\r\n"},
        {"an empty first value", {"Title", "Last"}, {{"", "Smith"}}, "\"Title\",\"Last\"\r\n\"\",\"Smith\"\r\n"},
        {"UTF-8", {"Last"}, {{"Zoë Ångström"}}, "\"Last\"\r\n\"Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m\"\r\n"},
        {"no record, no caption line", {"Last"}, {}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mergeFileBytes(captioned(c.captions), rows(c.values)), c.bytes) << c.what;
}

struct MergeFileWriteTest : ::testing::Test {
    test::TempFolder temp;
    test::RecordingPrompter prompter;
    const QString files = temp.file("Files");
    const QString path = files + "/VNMail.dat";
};

TEST_F(MergeFileWriteTest, AWrittenFileIsNamedOnlyAfterItIsWhole) {
    ASSERT_TRUE(writeMergeFile(files, captioned({"Last"}), rows({{"Smith"}}), prompter));
    EXPECT_EQ(readAll(path), "\"Last\"\r\n\"Smith\"\r\n");
    EXPECT_EQ(prompter.texts(), QStringList{"Task Completed! Merge Fields are in File\r\r" + path});
}

TEST_F(MergeFileWriteTest, NoRecordsLeaveAnEmptyFileAndNoMessage) {
    ASSERT_TRUE(QDir().mkpath(files));
    writeOld(path);
    ASSERT_TRUE(writeMergeFile(files, captioned({"Last"}), {}, prompter));
    EXPECT_EQ(readAll(path), "");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(MergeFileWriteTest, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    ASSERT_TRUE(QDir().mkpath(files));
    writeOld(path);
    bool written = true;
    {
        const test::FileSizeLimit limit(16);
        written = writeMergeFile(files, captioned({"Last"}), rows({{"A value longer than the limit"}}), prompter);
    }
    EXPECT_FALSE(written);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].kind, "error");
    const QString failure = "Report File Can Not Be Opened!\r\r";
    EXPECT_TRUE(prompter.messages[0].text.startsWith(failure));
    EXPECT_GT(prompter.messages[0].text.size(), failure.size());  // the system's reason
    EXPECT_EQ(readAll(path), "old");
}

}  // namespace
