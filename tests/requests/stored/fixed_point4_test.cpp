#include "requests/stored/fixed_point4.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vn;

namespace {

constexpr qint64 kLargest = std::numeric_limits<qint64>::max();

FixedPoint4 d(const char* text) { return FixedPoint4::fromText(QString::fromLatin1(text)); }

TEST(FixedPoint4Test, ReadsDecimalTextExactlyRoundingTiesToEven) {
    struct Case {
        const char* text;
        qint64 units;
    };
    const Case cases[] = {
        {"2.625", 26250},
        {"0.1", 1000},
        {"-3", -30000},
        {"+.5", 5000},
        {"7.", 70000},
        {"  12  ", 120000},
        {"000001.5000000", 15000},
        {"1.23454", 12345},
        {"1.23456", 12346},
        {"0.00005", 0},         // tie: 0 is even
        {"0.00015", 2},         // tie: 1 is odd, up to 2
        {"0.00025", 2},         // tie: 2 is even
        {"0.000250001", 3},     // past the tie
        {"0.00024999999999", 2},
        {"0.99995", 10000},     // tie: 9999 is odd, up to a whole 1
        {"-0.00005", 0},
        {"-0.00015", -2},
        {"-1.23456", -12346},
        {"922337203685477.5807", kLargest},
        {"-922337203685477.5807", -kLargest},
        {"922337203685477.58065", kLargest - 1},  // tie: ...806 is even
    };
    for (const Case& c : cases) {
        const auto value = FixedPoint4::parse(QString::fromLatin1(c.text));
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(value->units(), c.units) << c.text;
    }
}

TEST(FixedPoint4Test, RefusesTextThatIsNotADecimalNumber) {
    for (const char* text : {"", " ", "abc", "1.2.3", "1e3", "1,000", "--1", "+-1", ".", "-", "+", "1 2", "0x10",
                             "12a", "a12", "1..", "\xd9\xa1"}) {
        EXPECT_FALSE(FixedPoint4::parse(QString::fromUtf8(text))) << text;
        try {
            FixedPoint4::fromText(QString::fromUtf8(text));
            ADD_FAILURE() << text;
        } catch (const FixedPointError& e) {
            EXPECT_TRUE(e.message().contains("is not a decimal number")) << e.message().toStdString();
        }
    }
}

TEST(FixedPoint4Test, RefusesValuesBeyondTheRange) {
    for (const char* text : {"922337203685477.5808", "-922337203685477.5808", "922337203685477.58075",
                             "99999999999999999999", "922337203685478"}) {
        EXPECT_FALSE(FixedPoint4::parse(QString::fromLatin1(text))) << text;
        try {
            FixedPoint4::fromText(QString::fromLatin1(text));
            ADD_FAILURE() << text;
        } catch (const FixedPointError& e) {
            EXPECT_TRUE(e.message().contains("beyond the decimal range")) << e.message().toStdString();
        }
    }
    EXPECT_THROW(FixedPoint4::fromUnits(std::numeric_limits<qint64>::min()), FixedPointError);
    EXPECT_THROW(FixedPoint4::fromInteger(922337203685478), FixedPointError);
    EXPECT_EQ(FixedPoint4::fromInteger(-922337203685477).toString(), "-922337203685477");
}

TEST(FixedPoint4Test, WritesTheShortestDecimalText) {
    const std::pair<qint64, const char*> cases[] = {{75000, "7.5"},   {3000, "0.3"},       {-1, "-0.0001"},
                                                    {120000, "12"},   {0, "0"},            {-120500, "-12.05"},
                                                    {26250, "2.625"}, {kLargest, "922337203685477.5807"},
                                                    {-kLargest, "-922337203685477.5807"}};
    for (const auto& [units, text] : cases) EXPECT_EQ(FixedPoint4::fromUnits(units).toString(), text);
}

TEST(FixedPoint4Test, PointOnePlusPointTwoIsPointThreeExactly) {
    const FixedPoint4 sum = d("0.1") + d("0.2");
    EXPECT_EQ(sum, d("0.3"));
    EXPECT_EQ(sum.units(), 3000);
    EXPECT_EQ(sum.toString(), "0.3");
    FixedPoint4 total;
    for (int i = 0; i < 10; ++i) total += d("0.1");
    EXPECT_EQ(total, FixedPoint4::fromInteger(1));
}

TEST(FixedPoint4Test, ComputesWithNegativeValues) {
    EXPECT_EQ((d("-2.5") + d("1")).toString(), "-1.5");
    EXPECT_EQ((d("1") - d("2.25")).toString(), "-1.25");
    EXPECT_EQ((d("-2.5") * d("3")).toString(), "-7.5");
    EXPECT_EQ((d("-2.5") * d("-3")).toString(), "7.5");
    EXPECT_EQ((d("1") / d("-8")).toString(), "-0.125");
    EXPECT_EQ((d("-1") / d("3")).toString(), "-0.3333");
    EXPECT_EQ((-d("4.5")).toString(), "-4.5");
    EXPECT_LT(d("-0.0001"), FixedPoint4());
    EXPECT_GT(d("-0.0001"), d("-0.0002"));
}

TEST(FixedPoint4Test, RoundsProductsAndQuotientsTiesToEven) {
    EXPECT_EQ((d("2.5") * d("3")).toString(), "7.5");
    EXPECT_EQ((d("1") / d("3")).toString(), "0.3333");
    EXPECT_EQ((d("2") / d("3")).toString(), "0.6667");
    EXPECT_EQ((d("0.0001") * d("0.5")).units(), 0);    // 0.00005: tie to 0
    EXPECT_EQ((d("0.0003") * d("0.5")).units(), 2);    // 0.00015: tie to 0.0002
    EXPECT_EQ((d("-0.0003") * d("0.5")).units(), -2);
    EXPECT_EQ((d("0.0001") / d("2")).units(), 0);      // 0.00005
    EXPECT_EQ((d("0.0003") / d("2")).units(), 2);      // 0.00015
    EXPECT_EQ((d("0.0005") / d("-2")).units(), -2);    // -0.00025: tie to -0.0002
}

TEST(FixedPoint4Test, RefusesOverflowAndDivisionByZero) {
    const FixedPoint4 largest = FixedPoint4::fromUnits(kLargest);
    EXPECT_THROW(largest + d("0.0001"), FixedPointError);
    EXPECT_THROW(-largest - d("0.0001"), FixedPointError);
    EXPECT_THROW(largest * d("2"), FixedPointError);
    EXPECT_THROW(largest / d("0.5"), FixedPointError);
    EXPECT_EQ(largest * d("1"), largest);
    EXPECT_EQ(largest / d("1"), largest);
    try {
        d("5") / FixedPoint4();
        ADD_FAILURE();
    } catch (const FixedPointError& e) {
        EXPECT_EQ(e.message(), "5 cannot be divided by 0.");
    }
    try {
        largest + largest;
        ADD_FAILURE();
    } catch (const FixedPointError& e) {
        EXPECT_TRUE(e.message().startsWith("The result of 922337203685477.5807 + 922337203685477.5807 lies beyond"))
            << e.message().toStdString();
    }
}

}  // namespace
