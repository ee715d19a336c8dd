#include "requests/output/print_list.h"

#include "support/pdf_text.h"
#include "support/print_job_harness.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

// pdftotext gives runs of spaces as one.
bool holds(const QString& page, const QString& text) { return page.simplified().contains(text.simplified()); }

// "Print List" on a machine without printers: VNList.pdf in the Files folder, read back.
class PrintListTest : public ::testing::Test, protected test::PrintJobHarness {
protected:
    void SetUp() override {
        for (int i = 1; i <= 80; ++i) entries << QStringLiteral("wyo%1  Smith, Ann").arg(i, 5, 10, QChar('0'));
        PrintJob printJob = job();
        printMatchList(printJob, QStringLiteral("List Records where Last = \"Smith\""), entries,
                       QDateTime(QDate(2025, 12, 24), QTime(23, 59, 59)));
    }

    const QString pdf = output(QStringLiteral("VNList.pdf"));
    QStringList entries;
};

TEST_F(PrintListTest, TheListIsWrittenOpenedAndNamed) {
    const QStringList pages = test::pdfText(pdf).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (const QString& needle : {QStringLiteral("Varnedo SQL List Results..."), QStringLiteral("12/24/2025 11:59:59 PM   Page 1"),
                                  QStringLiteral("List Records where Last = \"Smith\""), entries.front(), entries[75]})
        EXPECT_TRUE(holds(pages[0], needle)) << needle.toStdString();
    for (const QString& needle : {QStringLiteral("Page 2"), entries[76], entries.back(), QStringLiteral("List LBCount = 80")})
        EXPECT_TRUE(holds(pages[1], needle)) << needle.toStdString();

    EXPECT_EQ(opened, QStringList{pdf});
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(pdf));
}

// The longest header line (a two-digit month and day, an afternoon hour) still ends inside the
// border printers leave blank (a quarter inch, 18 points).
TEST_F(PrintListTest, EveryWordLiesInsideThePrintableWidth) {
    const test::PdfWords words = test::pdfWords(pdf);
    ASSERT_EQ(words.pages.size(), 2);
    ASSERT_FALSE(words.words.isEmpty());
    for (const test::PdfWords::Word& word : words.words) {
        const QSizeF page = words.pages[word.page - 1];
        EXPECT_GE(word.box.left(), 17) << word.text.toStdString();
        EXPECT_LE(word.box.right(), page.width() - 17) << word.text.toStdString();
        EXPECT_LE(word.box.bottom(), page.height()) << word.text.toStdString();
    }
}

}  // namespace
