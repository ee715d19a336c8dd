#include "platform/printing/print_job.h"
#include "support/pdf_text.h"
#include "support/print_job_harness.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

// Two pages; "fi" would come back as one ligature if the text were shaped.
Printout twoPages(bool landscape = false) {
    return {QStringLiteral("Office list"), QStringLiteral("Office.pdf"), landscape, [](PageSink& sink) {
                sink.setFont(PrintFont{});
                sink.text({0, 0}, QStringLiteral("first page fine"));
                sink.newPage();
                sink.text({0, 0}, QStringLiteral("second page"));
            }};
}

class PrintJobTest : public ::testing::Test, protected test::PrintJobHarness {
protected:
    const QString pdf = output(QStringLiteral("Office.pdf"));
};

TEST_F(PrintJobTest, WithoutAPrinterThePrintoutIsAPdfOpenedAndNamed) {
    job().print(twoPages());

    EXPECT_EQ(test::pdfText(pdf).split('\f').mid(0, 2),
              QStringList({QStringLiteral("first page fine\n"), QStringLiteral("second page\n")}));
    EXPECT_EQ(opened, QStringList{pdf});
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].kind, "information");
    EXPECT_TRUE(prompter.messages[0].text.contains(pdf));
    EXPECT_FALSE(prompter.messages[0].text.contains(QStringLiteral("No program")));
    EXPECT_TRUE(destination.previewed.isEmpty());
}

TEST_F(PrintJobTest, APdfNoProgramCanShowIsStillNamed) {
    opens = false;
    job().print(twoPages());

    EXPECT_TRUE(QFile::exists(pdf));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(pdf));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("No program to show PDF files")));
}

TEST_F(PrintJobTest, WithAPrinterThePreviewShowsItAndNoFileIsWritten) {
    destination.printerInstalled = true;
    job().print(twoPages());

    EXPECT_EQ(destination.previewed, QStringList{QStringLiteral("Office list")});
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PrintJobTest, AFileThatCannotBeWrittenIsAnErrorNamingIt) {
    const QString blocker = temp.file(QStringLiteral("NotAFolder"));
    QFile(blocker).open(QIODevice::WriteOnly);
    job(blocker).print(twoPages());

    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].kind, "error");
    EXPECT_TRUE(prompter.messages[0].text.contains(blocker + QStringLiteral("/Office.pdf")));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(PrintJobTest, TheLayoutDrawsOnThePagesOrientation) {
    for (const bool landscape : {false, true}) {
        bool drawnLandscape = !landscape;
        QSizeF drawnSize;
        Printout printout = twoPages(landscape);
        printout.layout = [&](PageSink& sink) {
            drawnLandscape = sink.landscape();
            drawnSize = sink.pageSize();
            sink.text({0, 0}, QStringLiteral("page"));
        };
        job().print(printout);

        const test::PdfWords words = test::pdfWords(pdf);
        ASSERT_EQ(words.pages.size(), 1);
        EXPECT_EQ(words.pages[0].width() > words.pages[0].height(), landscape);
        EXPECT_EQ(drawnLandscape, landscape);
        EXPECT_EQ(drawnSize.width() > drawnSize.height(), landscape);
    }
}

}  // namespace
