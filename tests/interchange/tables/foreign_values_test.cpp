#include "interchange/tables/foreign_values.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

using namespace foreign_value;

TEST(ForeignValues, NumbersReadBackEqualWithoutExponents) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0.1, "0.1"}, {-2.5, "-2.5"}, {1e20, "100000000000000000000"}, {3.0, "3"},
                 {-0.0, "0"},  {1.0 / 3, "0.3333333333333333"}, {1e-7, "0.0000001"}};
    for (const auto& c : cases) {
        EXPECT_EQ(floating(c.value), QString::fromLatin1(c.text)) << c.text;
        EXPECT_EQ(floating(c.value).toDouble(), c.value) << c.text;
    }
}

TEST(ForeignValues, DecimalsKeepEveryDigit) {
    EXPECT_EQ(decimal(false, QStringLiteral("000123456"), 2), QStringLiteral("1234.56"));
    EXPECT_EQ(decimal(true, QStringLiteral("5"), 3), QStringLiteral("-0.005"));
    EXPECT_EQ(decimal(true, QStringLiteral("000"), 2), QStringLiteral("0.00"));
    EXPECT_EQ(decimal(false, QStringLiteral("42"), 0), QStringLiteral("42"));
}

TEST(ForeignValues, DatesTimesAndLogicals) {
    EXPECT_EQ(date(QDate(2024, 3, 7)), QStringLiteral("3/7/2024"));
    EXPECT_EQ(time(QTime(13, 5, 9)), QStringLiteral("1:05:09 PM"));
    EXPECT_EQ(time(QTime(0, 0, 0)), QStringLiteral("12:00:00 AM"));
    EXPECT_EQ(dateTime(QDate(2024, 12, 31), QTime(0, 0)), QStringLiteral("12/31/2024"));
    EXPECT_EQ(dateTime(QDate(2024, 12, 31), QTime(9, 30)), QStringLiteral("12/31/2024 9:30:00 AM"));
    EXPECT_EQ(date(QDate()), QString());
    EXPECT_EQ(logical(true), QStringLiteral("True"));
    EXPECT_EQ(logical(false), QStringLiteral("False"));
}

}  // namespace
}  // namespace vn
