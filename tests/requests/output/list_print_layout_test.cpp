#include "requests/output/list_print_layout.h"

#include "platform/printing/recording_sink.h"
#include "support/qt_printers.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace vn;

namespace {

// A page of 800 x 1120: a column is 10 wide, a line 14 high.
constexpr double kColumn = 10, kLine = 14;

// A drawn text by page, line and column, with the font it was drawn in.
struct Placed {
    int page;
    int line;
    int column;
    PrintFont font;
    QString text;
};

QList<Placed> placedTexts(const PrintedList& list) {
    RecordingSink sink({80 * kColumn, 80 * kLine});
    layoutPrintedList(sink, list);
    QList<Placed> placed;
    int page = 1;
    PrintFont font;
    for (const RecordingSink::Op& op : sink.ops) {
        if (op.kind == RecordingSink::Op::Font) font = op.font;
        if (op.kind == RecordingSink::Op::NewPage) ++page;
        if (op.kind != RecordingSink::Op::Text) continue;
        EXPECT_EQ(std::fmod(op.at.y(), kLine), 0) << op.text.toStdString() << " between lines";
        EXPECT_EQ(std::fmod(op.at.x(), kColumn), 0) << op.text.toStdString() << " between columns";
        placed.append({page, int(op.at.y() / kLine), int(op.at.x() / kColumn) - 2, font, op.text});
    }
    return placed;
}

PrintedList listOf(int count) {
    PrintedList list{QStringLiteral("List Records where Last = \"Smith\""), {}, QDateTime(QDate(2025, 3, 14), QTime(15, 5, 9))};
    for (int i = 1; i <= count; ++i) list.entries << QStringLiteral("wyo%1  Smith, Ann").arg(i, 5, 10, QChar('0'));
    return list;
}

PrintFont font(double points, bool bold) {
    PrintFont f;
    f.pointSize = points;
    f.bold = bold;
    return f;
}

TEST(ListPrintLayout, EveryPageStartsWithItsHeader) {
    const QList<Placed> placed = placedTexts(listOf(100));
    for (const int page : {1, 2}) {
        QList<Placed> header;
        for (const Placed& p : placed)
            if (p.page == page && p.line < 4) header << p;
        ASSERT_EQ(header.size(), 3) << "page " << page;
        EXPECT_EQ(header[0].text, "Varnedo SQL List Results...");
        EXPECT_EQ(std::tie(header[0].line, header[0].column), std::make_tuple(0, 0));
        EXPECT_EQ(header[0].font, font(12, true));
        EXPECT_EQ(header[1].text, QStringLiteral("3/14/2025 3:05:09 PM   Page %1").arg(page));
        EXPECT_EQ(std::tie(header[1].line, header[1].column), std::make_tuple(0, 50));
        EXPECT_EQ(header[2].text, "List Records where Last = \"Smith\"");
        EXPECT_EQ(std::tie(header[2].line, header[2].column), std::make_tuple(2, 0));
        EXPECT_EQ(header[2].font, font(10, false));
    }
}

TEST(ListPrintLayout, EntriesFillLines4To79ThenGoOnOnTheNextPage) {
    const PrintedList list = listOf(160);
    QList<Placed> entries;
    for (const Placed& p : placedTexts(list))
        if (p.text.startsWith("wyo")) entries << p;
    ASSERT_EQ(entries.size(), 160);
    for (int i = 0; i < 160; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].text, list.entries[i]);
        EXPECT_EQ(entries[i].page, 1 + i / 76);
        EXPECT_EQ(entries[i].line, 4 + i % 76);
        EXPECT_EQ(entries[i].column, 0);
        EXPECT_EQ(entries[i].font, font(10, false));
    }
}

// The count goes on line 78 and the notice on line 79 of the last page; when the entries reach
// line 78, they get a page of their own rather than being drawn over the last entries.
TEST(ListPrintLayout, TheCountAndTheNoticeNeverCoverAnEntry) {
    struct Case {
        int entries;
        int lastPage;
    };
    const Case cases[] = {
        {0, 1}, {1, 1}, {74, 1},     // the last entry on line 77: room left
        {75, 2}, {76, 2},            // the last entry on line 78 or 79
        {77, 2}, {150, 2},           // the second page starts or ends on line 77
        {151, 3}, {152, 3}, {153, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        const QList<Placed> placed = placedTexts(listOf(c.entries));
        QMap<std::pair<int, int>, int> textsOnLine;
        for (const Placed& p : placed) ++textsOnLine[{p.page, p.line}];
        for (auto it = textsOnLine.cbegin(); it != textsOnLine.cend(); ++it) {
            if (it.key().second == 0) continue;  // the title and the date share line 0
            EXPECT_EQ(it.value(), 1) << "page " << it.key().first << " line " << it.key().second;
        }

        ASSERT_GE(placed.size(), 2);
        const Placed& count = placed[placed.size() - 2];
        const Placed& notice = placed.back();
        EXPECT_EQ(count.text, QStringLiteral("List LBCount = %1").arg(c.entries));
        EXPECT_EQ(std::tie(count.page, count.line, count.column), std::make_tuple(c.lastPage, 78, 0));
        EXPECT_EQ(std::tie(notice.page, notice.line, notice.column), std::make_tuple(c.lastPage, 79, 30));
        EXPECT_EQ(notice.font.pointSize, 6);
        EXPECT_EQ(std::count_if(placed.cbegin(), placed.cend(), [](const Placed& p) { return p.text == "Varnedo SQL List Results..."; }),
                  c.lastPage);
    }
}

}  // namespace
