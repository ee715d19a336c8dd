#include "platform/printing/print_rule.h"
#include "platform/printing/recording_sink.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(PrintRule, UnderscoresOnePerColumnFromTheStartColumn) {
    struct Case {
        bool landscape;
        int from, to;
        double x;
        int count;
    };
    const Case cases[] = {
        {false, 0, 79, 0, 80},         // portrait: a column is 800 / 80 = 10
        {false, 5, 9, 50, 5},
        {true, 10, 10, 10 * 1100.0 / 110, 1},  // landscape: 1100 / 110
        {true, 0, 200, 0, 130},        // never more than 130
    };
    for (const Case& c : cases) {
        RecordingSink sink(c.landscape ? QSizeF(1100, 800) : QSizeF(800, 1100), c.landscape);
        PrintRule(sink, c.from, c.to, 42);
        ASSERT_EQ(sink.ops.size(), 2);
        EXPECT_EQ(sink.ops[0].font.pointSize, 14);
        EXPECT_EQ(sink.ops[1].text, QString(c.count, '_'));
        EXPECT_DOUBLE_EQ(sink.ops[1].at.x(), c.x);
        EXPECT_DOUBLE_EQ(sink.ops[1].at.y(), 42);
    }
}

TEST(PrintRule, AnEmptyRangePrintsNothing) {
    RecordingSink sink;
    PrintRule(sink, 9, 5, 0);
    EXPECT_TRUE(sink.ops.isEmpty());
}

}  // namespace
