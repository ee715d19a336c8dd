#include "requests/memo/memo_document.h"

#include "support/gui_application.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vn;

namespace {

QString pdfFonts(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {path});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

MemoPrintout twoPages() {
    QStringList lines;
    for (int i = 1; i <= 55; ++i) lines << QStringLiteral("Memo line %1").arg(i);
    return {"abc", {{"abcwyalb1000000000", 1, "Contact Notes", QStringLiteral("Smith, Q Ann"), lines}}};
}

class MemoPdfTest : public ::testing::Test {
protected:
    void SetUp() override { test::ensureGuiApplication(); }
    test::TempFolder temp;
    const QString path = temp.file(QStringLiteral("MP.pdf"));
};

// Read back: A4 portrait in points, two pages, the texts where pdftotext finds them.
TEST_F(MemoPdfTest, TheMemosAreWrittenAsAnA4Pdf) {
    ASSERT_EQ(writeMemoPdf(twoPages(), path), QString());
    const QString info = test::pdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("595.276 x 841.89 pts (A4)") || info.contains("595 x 842 pts (A4)")) << info.toStdString();
    EXPECT_TRUE(pdfFonts(path).contains("LiberationSans")) << pdfFonts(path).toStdString();
    const QStringList pages = test::pdfText(path).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (const char* text : {"Varnedo [abc] Memo Printings...", "Page 1", "Record Key", "Client Name",
                             "abcwyalb1000000000", "Contact Notes", "Smith, Q Ann", "Memo line 1", "Memo line 48"})
        EXPECT_TRUE(pages[0].contains(text)) << text;
    for (const char* text : {"Page 2", "Memo line 49", "Memo line 55"}) EXPECT_TRUE(pages[1].contains(text)) << text;
    EXPECT_FALSE(pages[0].contains("Memo line 49"));
    EXPECT_TRUE(pages[1].simplified().contains(kMemoFooter));
}

// The system's reason comes back, and nothing is left where the file was to be.
TEST_F(MemoPdfTest, AFailedWriteGivesTheReason) {
    const QString missing = temp.file(QStringLiteral("no such folder/MP.pdf"));
    EXPECT_FALSE(writeMemoPdf(twoPages(), missing).isEmpty());
    EXPECT_FALSE(QFile::exists(missing));
}

}  // namespace
