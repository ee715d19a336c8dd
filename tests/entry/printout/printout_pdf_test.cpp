#include "entry/printout/blank_form_layout.h"
#include "entry/printout/record_document.h"

#include "printout_fixture.h"
#include "support/pdf_text.h"
#include "support/print_job_harness.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vn;

namespace {

int pageCount(const QString& path) {
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(test::pdfInfo(path));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class PrintoutPdfTest : public ::testing::Test, protected test::PrintoutFixture {
protected:
    void SetUp() override {
        test::ensureGuiApplication();
        place({1, 1, 1, 1, "Favourite colour", 44, 148, 110, 21});
        place({3, 1, 3, 1, "Paid in full", 0, 148, 100, 21});
        place({5, 1, 2, 1, "Notes", 0, 148, 300, 88});
        record.header[2] = "Ann";
        record.pages[0][1] = "Teal";
        record.pages[4][121] = "Called on Monday";
    }
    test::PrintJobHarness harness;
    const QString files = harness.files;  // not there yet
};

// Written into a Files folder that did not exist: A4, one sheet for pages 1-2, one each for 3 and 5.
TEST_F(PrintoutPdfTest, TheRecordPrintoutIsAnA4PdfNamedByTheKey) {
    RecordPrintoutFile file;
    const RecordPrintoutResult result = file.write(record, definitions(), files);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.path, files + "/abcwyalb000100000.pdf");
    EXPECT_EQ(pageCount(result.path), 3);
    EXPECT_TRUE(test::pdfInfo(result.path).contains("595.276 x 841.89 pts (A4)") || test::pdfInfo(result.path).contains("595 x 842 pts (A4)"));
    const QString text = test::pdfText(result.path).simplified();
    for (const char* expected : {"Varnedo Data Entry Printout:", "abcwyalb000100000", "Ann", "Favourite colour", "Teal",
                                 "Paid in full", "Notes (Full memo may not show)", "Called on Monday", "Page 5"})
        EXPECT_TRUE(text.contains(expected)) << expected;
    file.erase();
    EXPECT_FALSE(QFile::exists(result.path));
}

// Keys come from other offices too: one that is no plain name never reaches the file system.
TEST_F(PrintoutPdfTest, AKeyThatIsNoPlainNameIsRefused) {
    RecordPrintoutFile file;
    record.key = "../../escaped";
    const RecordPrintoutResult result = file.write(record, definitions(), files);
    EXPECT_EQ(result.error, "The record key \"../../escaped\" holds characters other than letters, digits and \"_\", "
                            "so no printout file can be named after it.");
    EXPECT_FALSE(QFile::exists(harness.temp.file("escaped.pdf")));
    EXPECT_FALSE(QFile::exists(files));
}

TEST_F(PrintoutPdfTest, AFailedWriteNamesTheFileAndTheReason) {
    QFile blocker(files);  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecordPrintoutFile file;
    const RecordPrintoutResult result = file.write(record, definitions(), files);
    EXPECT_TRUE(result.error.startsWith("The printout could not be saved as\r\r" + files + "/abcwyalb000100000.pdf\r\r"))
        << result.error.toStdString();
    EXPECT_GT(result.error.size(), QString("The printout could not be saved as\r\r" + result.path + "\r\r").size());
}

// A viewer may hold the file; the next erase tries again. Only the file written last is erased.
TEST_F(PrintoutPdfTest, AFileThatCouldNotBeErasedIsTriedAgain) {
    QStringList tries;
    bool held = true;
    RecordPrintoutFile file([&](const QString& path) { tries << path; return !held && QFile::remove(path); });
    const QString first = file.write(record, definitions(), files).path;
    record.key = "abcwyalb000200000";
    const QString second = file.write(record, definitions(), files).path;
    file.erase();
    EXPECT_EQ(tries, QStringList({second}));
    EXPECT_EQ(file.pending(), QStringList({second}));
    held = false;
    file.erase();
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_TRUE(file.pending().isEmpty());
}

// No printer: the blank form becomes <code>Form.pdf in the Files folder, one sheet for pages 1-2.
TEST_F(PrintoutPdfTest, TheBlankFormWithoutPrinterIsAPdfInFiles) {
    place({2, 1, 4, 1, "Grade", 0, 0, 200, 136},
          {{13, "7"}, {14, "Alpha"}, {15, "B"}, {16, "C"}, {17, "D"}, {18, "E"}, {19, "Foxtrot"}, {20, "Golf"}});
    harness.job().print(blankFormPrintout(definitions()));
    const QString path = harness.output("abcForm.pdf");
    ASSERT_TRUE(QFile::exists(path)) << harness.prompter.texts().join('|').toStdString();
    EXPECT_EQ(harness.opened, QStringList({path}));
    EXPECT_EQ(pageCount(path), 3);
    const QStringList sheets = test::pdfText(path).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(sheets.size(), 3);
    for (const char* expected : {"Record Code", "abc", "Email Address", "Favourite colour", "Grade", "Alpha", "Foxtrot", "Golf"})
        EXPECT_TRUE(sheets[0].contains(expected)) << expected;
    EXPECT_TRUE(sheets[1].contains("Paid in full"));
    EXPECT_TRUE(sheets[2].contains("Notes"));
    EXPECT_TRUE(sheets[2].simplified().contains(kBlankFormFooter.simplified()));
}

}  // namespace
