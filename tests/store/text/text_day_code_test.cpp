#include "store/text/day_code.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

struct DayCase {
    QDate date;
    QString code;
};

// Worked by hand: each number is stepped by ten into 65..90, the check is their sum % 26 + 65.
const std::vector<DayCase> kDays = {
    {QDate(2026, 12, 10), "HFBA"},  // 72 70 66; 208 % 26 = 0
    {QDate(2000, 1, 1), "GGFE"},    // 71 71 70; 212 % 26 = 4
    {QDate(1999, 12, 31), "HGYY"},  // 72 71 89 (99 steps down); 232 % 26 = 24
    {QDate(2025, 6, 15), "BAAO"},   // 66 65 65; 196 % 26 = 14
    {QDate(2024, 2, 29), "HEJH"},   // 72 69 74; 215 % 26 = 7
    {QDate(2090, 3, 5), "IAZU"},    // 73 65 90; 228 % 26 = 20
    {QDate(2065, 1, 20), "GFAY"},   // 71 70 65; 206 % 26 = 24
    {QDate(2091, 11, 9), "GEQN"},   // 71 69 81 (91 steps down); 221 % 26 = 13
};

TEST(DayCode, FixedDates) {
    for (const auto& d : kDays) EXPECT_EQ(DayCode(d.date), d.code) << d.date.toString(Qt::ISODate).toStdString();
}

TEST(DayCode, MatchIgnoresCaseOnly) {
    for (const auto& d : kDays) {
        EXPECT_TRUE(MatchesDayCode(d.code, d.date));
        EXPECT_TRUE(MatchesDayCode(d.code.toLower(), d.date));
        EXPECT_FALSE(MatchesDayCode(d.code.left(3), d.date));
        EXPECT_FALSE(MatchesDayCode(d.code + u'A', d.date));
        EXPECT_FALSE(MatchesDayCode(DayCode(d.date.addDays(1)), d.date));
    }
    EXPECT_FALSE(MatchesDayCode("", QDate(2026, 12, 10)));
}

}  // namespace
}  // namespace vn
