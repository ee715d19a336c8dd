#include "requests/memo/memo_layout.h"

#include "platform/printing/recording_sink.h"

#include <gtest/gtest.h>

using namespace vn;
using Op = RecordingSink::Op;

namespace {

struct WrapCase {
    const char* name;
    QString line;
    QStringList printed;
};

TEST(WrapMemoLine, CutsAtTheLastSpaceThatFitsOrHard) {
    const QString x118(118, 'x'), y40(40, 'y');
    const QList<WrapCase> cases = {
        {"empty line kept", "", {""}},
        {"fits", "short line", {"short line"}},
        {"exactly 118", x118, {x118}},
        {"no space: cut hard", QString(300, 'z'), {QString(118, 'z'), QString(118, 'z'), QString(64, 'z')}},
        {"break at the last space", QString(100, 'a') + " " + QString(30, 'b') + " " + y40,
         {QString(100, 'a'), QString(30, 'b') + " " + y40}},
        {"space right after the column", x118 + " " + y40, {x118, y40}},
        {"only a leading space", " " + QString(130, 'c'), {" " + QString(117, 'c'), QString(13, 'c')}},
    };
    for (const WrapCase& c : cases) EXPECT_EQ(wrapMemoLine(c.line), c.printed) << c.name;
}

// The texts drawn, with their place and page.
struct Drawn {
    int page;
    QPointF at;
    QString text;
    bool operator==(const Drawn&) const = default;
};

QList<Drawn> texts(const RecordingSink& sink) {
    QList<Drawn> drawn;
    int page = 1;
    for (const Op& op : sink.ops) {
        if (op.kind == Op::NewPage) ++page;
        if (op.kind == Op::Text) drawn.append({page, op.at, op.text});
    }
    return drawn;
}

const Drawn* find(const QList<Drawn>& drawn, const QString& text) {
    for (const Drawn& d : drawn)
        if (d.text == text) return &d;
    return nullptr;
}

RecordingSink laidOut(const MemoPrintout& printout) {
    RecordingSink sink({595, 842});
    layoutMemos(sink, printout);
    return sink;
}

PrintedMemo memo(const QString& key, QStringList lines) {
    return {key, 2, "Notes", QStringLiteral("Smith, Q Ann"), std::move(lines)};
}

TEST(LayoutMemos, OneMemoUnderThePageHeaderBetweenTwoRules) {
    const RecordingSink sink = laidOut({"abc", {memo("abcwyalb1000000000", {"first", "second"})}});
    const QList<Drawn> drawn = texts(sink);
    const QList<Drawn> expected = {
        {1, {5, 0}, "Varnedo [abc] Memo Printings..."}, {1, {455, 0}, "Page 1"},
        {1, {5, 28}, "Record Key"}, {1, {105, 28}, "Form Page"}, {1, {180, 28}, "Memo Name"}, {1, {280, 28}, "Client Name"},
        {1, {5, 56}, "abcwyalb1000000000"}, {1, {130, 56}, "2"}, {1, {180, 56}, "Notes"}, {1, {280, 56}, "Smith, Q Ann"},
        {1, {5, 84}, "first"}, {1, {5, 98}, "second"},
        {1, {140, 826}, kMemoFooter},
    };
    EXPECT_EQ(drawn, expected);
    QList<double> rules;
    double width = 0;
    for (const Op& op : sink.ops) {
        if (op.kind == Op::Pen) width = op.pen.width;
        if (op.kind == Op::Line) {
            EXPECT_EQ(width, 1.5);
            EXPECT_EQ(op.at.x(), 5);
            EXPECT_EQ(op.to.x(), 605);
            rules << op.at.y();
        }
    }
    EXPECT_EQ(rules, (QList<double>{70, 112}));
}

TEST(LayoutMemos, GoneRecordPrintsNoNameAndAnEmptyMemoNoLines) {
    PrintedMemo gone = memo("abcwyalb000100000", {});
    gone.documentName.reset();
    const QList<Drawn> drawn = texts(laidOut({"abc", {gone}}));
    EXPECT_EQ(drawn.size(), 6 + 3 + 1);  // header, key line without name, footer
    EXPECT_EQ(find(drawn, "Smith, Q Ann"), nullptr);
}

// A memo longer than the page continues on line 4 after the next page's header; nothing is
// drawn below line 53.
TEST(LayoutMemos, ALongMemoContinuesOnTheNextPage) {
    QStringList lines;
    for (int i = 1; i <= 60; ++i) lines << QStringLiteral("line %1").arg(i);
    lines[10] = QString(200, 'w');  // two printed lines
    const RecordingSink sink = laidOut({"abc", {memo("k1", lines), memo("k2", {"last"})}});
    const QList<Drawn> drawn = texts(sink);
    for (const Drawn& d : drawn) {
        if (d.text != kMemoFooter) {
            EXPECT_LE(d.at.y(), 14 * 53) << d.text.toStdString();
        }
    }
    // Page 1: key at 4, rule at 5, memo lines from 6 to 53: 48 printed lines, the long one two.
    EXPECT_EQ(*find(drawn, "line 47"), (Drawn{1, {5, 14 * 53}, "line 47"}));
    EXPECT_EQ(*find(drawn, "Page 2"), (Drawn{2, {455, 0}, "Page 2"}));
    EXPECT_EQ(*find(drawn, "line 48"), (Drawn{2, {5, 14 * 4}, "line 48"}));
    EXPECT_EQ(*find(drawn, "line 60"), (Drawn{2, {5, 14 * 16}, "line 60"}));
    EXPECT_EQ(*find(drawn, "k2"), (Drawn{2, {5, 14 * 18}, "k2"}));
    EXPECT_EQ(drawn.last(), (Drawn{2, {140, 826}, kMemoFooter}));
    // After the break the memo goes on in regular type.
    PrintFont font;
    for (const Op& op : sink.ops) {
        if (op.kind == Op::Font) font = op.font;
        if (op.kind == Op::Text && op.text == "line 48") {
            EXPECT_EQ(font, (PrintFont{"Arial", 10, false}));
        }
    }
}

}  // namespace
