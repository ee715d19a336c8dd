#include "platform/printing/recording_sink.h"
#include "requests/report/screen_layout.h"
#include "requests/report/screen_views.h"
#include "support/gui_application.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace vn;

namespace {

using Op = RecordingSink::Op;

PrintField field(int number, int width, const QString& caption) {
    PrintField p;
    p.field = {0, number};
    p.width = width;
    p.caption = caption;
    return p;
}

ReportDocument names(int count) {
    ReportDocument report;
    report.displayText = "Print report: Records with \"Last\" = \"N*\" ";
    report.date = QDate(2026, 12, 24);
    report.fields = {field(5, 40, "Last"), field(3, 40, "First")};
    for (int i = 0; i < count; ++i) report.records.append({QString::number(i), {QStringLiteral("Name%1").arg(i), "Ann"}});
    return report;
}

// Where a text was drawn: its view (1-based) and position.
struct Place {
    int view = 0;
    QPointF at;
    bool operator==(const Place&) const = default;
};

Place place(const RecordingSink& sink, const QString& text) {
    int view = 1;
    for (const Op& op : sink.ops) {
        if (op.kind == Op::NewPage) ++view;
        if (op.kind == Op::Text && op.text == text) return {view, op.at};
    }
    return {};
}

TEST(ScreenLayoutTest, RecordsFillViewsAndAPageHeaderComesEvery80Lines) {
    RecordingSink sink({450, 400});
    layoutScreenReport(sink, names(40));
    const QString title = "SQL Report for Records " + QString(39, u' ') + "12/24/2026   Page %1";
    EXPECT_EQ(place(sink, title.arg(1)), (Place{1, {10, 0}}));
    EXPECT_EQ(place(sink, "with \"Last\" = \"N*\" "), (Place{1, {10, 20}}));
    EXPECT_EQ(place(sink, "First"), (Place{1, {210, 40}}));
    // Records from line 9, an empty line between them; the 17th starts view 2.
    EXPECT_EQ(place(sink, "Name0"), (Place{1, {10, 80}}));
    EXPECT_EQ(place(sink, "Name1"), (Place{1, {10, 100}}));
    EXPECT_EQ(place(sink, "Name15"), (Place{1, {10, 380}}));
    EXPECT_EQ(place(sink, "Name16"), (Place{2, {10, 0}}));
    // 80 lines after the first header the second begins view 3; its records follow one line lower.
    EXPECT_EQ(place(sink, title.arg(2)), (Place{3, {10, 0}}));
    EXPECT_EQ(place(sink, "Name36"), (Place{3, {10, 80}}));
    EXPECT_EQ(place(sink, "Records Listed:  40"), (Place{3, {10, 160}}));
}

TEST(ScreenLayoutTest, AFieldThatWouldPassTheViewStartsALineAtTheMargin) {
    ReportDocument report = names(1);
    report.fields << field(2, 10, "Title") << field(4, 1, "MI");
    report.records[0].values << "Dr" << "Q";
    RecordingSink sink({450, 400});
    layoutScreenReport(sink, report);
    EXPECT_EQ(place(sink, "Title"), (Place{1, {10, 50}}));  // 410 + 50 would pass 450
    EXPECT_EQ(place(sink, "MI"), (Place{1, {60, 50}}));
    EXPECT_EQ(place(sink, "Dr"), (Place{1, {10, 100}}));
    EXPECT_EQ(place(sink, "Q"), (Place{1, {60, 100}}));
}

TEST(ScreenLayoutTest, ViewButtonsNameThePriorAndNextViews) {
    struct Case {
        int view, count;
        ViewNavigation shown;
    } cases[] = {
        {1, 1, {"Only View", false, "Only View", false}},
        {1, 3, {"First View", false, "Next View [2 of 3]", true}},
        {2, 3, {"Prior View [1 of 3]", true, "Next View [3 of 3]", true}},
        {3, 3, {"Prior View [2 of 3]", true, "Last View", false}},
    };
    for (const Case& c : cases) EXPECT_EQ(viewNavigation(c.view, c.count), c.shown) << c.view << " of " << c.count;
}

TEST(ScreenViewsTest, ViewsAreWrittenAsPicturesAfterTheOldOnesAreErased) {
    test::ensureGuiApplication();
    test::TempFolder temp;
    const QString files = temp.file("Files");
    const auto view = [&](int n) { return files + "/" + viewFileName(n); };
    ASSERT_EQ(writeScreenViews(files, names(40)).count, 3);
    ASSERT_EQ(writeScreenViews(files, names(1)).count, 1);
    EXPECT_FALSE(QFile::exists(view(2)));
    EXPECT_FALSE(QFile::exists(view(3)));
    const QImage picture(view(1));
    EXPECT_EQ(picture.size(), QSize(450, 400));
    // Something was drawn in black on white.
    bool dark = false;
    for (int y = 0; y < picture.height() && !dark; ++y)
        for (int x = 0; x < picture.width() && !dark; ++x) dark = qGray(picture.pixel(x, y)) < 128;
    EXPECT_TRUE(dark);
}

}  // namespace
