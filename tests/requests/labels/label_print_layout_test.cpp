// Where printed labels land: the geometry in a page's units, the drawing on a recording, and a
// PDF on letter paper whose units per inch come out whole.
#include "label_stocks.h"
#include "platform/printing/pdf_printout.h"
#include "platform/printing/recording_sink.h"
#include "requests/labels/label_print_layout.h"
#include "support/gui_application.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace vn;
using Op = RecordingSink::Op;

// Readable geometries in failure messages.
namespace vn {
void PrintTo(const LabelGeometry& g, std::ostream* os) {
    *os << "a " << g.unitsPerInchDown << " b " << g.unitsPerInchAcross << " left " << g.left << " top " << g.top
        << " line " << g.lineHeight << " vgap " << g.verticalGap << " vpitch " << g.verticalPitch << " hgap "
        << g.horizontalGap << " hpitch " << g.horizontalPitch << " label " << g.labelWidth << "x" << g.labelHeight;
}
}  // namespace vn

namespace {

// 8.14 by 10.6533 inches at 300 units an inch.
constexpr QSizeF kExactPage{2442, 3196};

TEST(LabelGeometry, UnitsMarginsGapsAndPitches) {
    struct Case {
        const char* what;
        QSizeF page;
        LabelStock stock;
        LabelGeometry expected;  // a, b, left, top, line, vgap, vpitch, hgap, hpitch, width, height
    };
    const Case cases[] = {
        // Ten rows of 1 inch fill the 10 inches: no gap, so the rows are 6 units apart.
        {"30 up", kExactPage, test::thirtyUp(), {300, 300, 37, 93, 60, 0, 306, 18, 805, 787, 300}},
        {"one row", kExactPage, test::labelStock(2, 2, 1, "4", "2"), {300, 300, 37, 93, 600, 0, 606, 0, 1200, 1200, 600}},
        {"14 up", kExactPage, test::labelStock(14, 2, 7, "4", "1.333"), {300, 300, 37, 93, 85, 33, 432, 0, 1200, 1200, 399}},
        {"one across", kExactPage, test::labelStock(5, 1, 5, "7.5", "1.5"), {300, 300, 37, 93, 120, 187, 637, 0, 2250, 2250, 450}},
        // Another printer's page: every step truncated.
        {"30 up, 4800 by 6800", {4800, 6800}, test::thirtyUp(), {638, 589, 73, 199, 127, 0, 644, 36, 1582, 1546, 638}},
    };
    for (const Case& c : cases) EXPECT_EQ(labelGeometry(c.page, c.stock), c.expected) << c.what;
}

// Each label's lines in the bold printing font, cut at its own edges; a new page for each sheet.
TEST(LabelLayout, LabelsGoToThePresentPositionsOfTheFirstSheetThenToFreshSheets) {
    const LabelStock stock = test::thirtyUp();
    LabelSheet first(30);
    for (int p = 1; p <= 10; ++p) first.toggle(p);
    QList<LabelLines> labels;
    for (int m = 1; m <= 21; ++m) labels << LabelLines{QStringLiteral("Label %1").arg(m), QStringLiteral("Line two")};
    RecordingSink sink(kExactPage);
    layoutLabels(sink, stock, first, labels);

    ASSERT_EQ(sink.ops[0].kind, Op::Font);
    EXPECT_EQ(sink.ops[0].font, printFont(10, true));
    const auto textOf = [&sink](const QString& text) {
        for (int i = 0; i < sink.ops.size(); ++i)
            if (sink.ops[i].kind == Op::Text && sink.ops[i].text == text) return i;
        return -1;
    };
    // Label 1 at position 11: row 3, column 2.
    const int label1 = textOf("Label 1");
    ASSERT_GT(label1, 0);
    EXPECT_EQ(sink.ops[label1].at, QPointF(37 + 805 + 75, 93 + 3 * 306));
    EXPECT_EQ(sink.ops[label1 + 1].at, QPointF(37 + 805 + 75, 93 + 3 * 306 + 60));
    const Op& clip = sink.ops[label1 - 1];
    ASSERT_EQ(clip.kind, Op::Clip);
    EXPECT_EQ(QRectF(clip.at, clip.to), QRectF(37 + 805, 93 + 3 * 306, 787, 306));
    EXPECT_EQ(sink.ops[label1 + 2].kind, Op::ClearClip);
    // Label 21 on the next sheet, at position 1, the only new page.
    const int label21 = textOf("Label 21");
    EXPECT_EQ(sink.ops[label21].at, QPointF(37 + 75, 93));
    int pages = 0;
    for (int i = 0; i < sink.ops.size(); ++i)
        if (sink.ops[i].kind == Op::NewPage) {
            ++pages;
            EXPECT_GT(i, textOf("Label 20"));
            EXPECT_LT(i, label21);
        }
    EXPECT_EQ(pages, 1);
}

TEST(LabelLayout, APdfOnLetterPaperHasWholeUnitsPerInch) {
    test::ensureGuiApplication();
    test::TempFolder folder;
    QList<LabelLines> labels;
    for (const char* word : {"Alpha", "Bravo", "Charlie", "Delta"}) labels << LabelLines{QString::fromLatin1(word)};
    const QString pdf = folder.file("VNLabels.pdf");
    ASSERT_EQ(writePdf(labelPrintout(test::thirtyUp(), LabelSheet(30), labels), pdf), "");

    const test::PdfWords words = test::pdfWords(pdf);
    ASSERT_EQ(words.pages, QList<QSizeF>{QSizeF(612, 792)});
    QMap<QString, QRectF> boxes;
    for (const auto& w : words.words) boxes.insert(w.text, w.box);
    ASSERT_EQ(boxes.size(), 4);
    // At 300 units an inch on a page 0.18 inches in from the side: (54 + 37 + 75) / 300 inches.
    const double point = 72.0 / 300;
    EXPECT_NEAR(boxes["Alpha"].left(), (54 + 37 + 75) * point, 0.5);
    EXPECT_NEAR(boxes["Bravo"].left() - boxes["Alpha"].left(), 805 * point, 0.1);
    EXPECT_NEAR(boxes["Charlie"].left() - boxes["Alpha"].left(), 2 * 805 * point, 0.1);
    EXPECT_NEAR(boxes["Delta"].top() - boxes["Alpha"].top(), 306 * point, 0.1);
    EXPECT_NEAR(boxes["Delta"].left(), boxes["Alpha"].left(), 0.1);
}

}  // namespace
