#include "store/text/digits_to_int.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

TEST(DigitsToInt, Values) {
    struct Case {
        QString input;
        int expected;
    };
    const std::vector<Case> cases = {
        {"0", 0},
        {"7", 7},
        {"1234", 1234},
        {"007", 7},
        {"2147483647", 2147483647},
        {"00000000002147483647", 2147483647},
        // Beyond the int range is not a valid number.
        {"2147483648", 0},
        {"99999999999999999999", 0},
        {"", 0},
        {"-5", 0},
        {"+5", 0},
        {" 5", 0},
        {"5 ", 0},
        {"12a", 0},
        {"1.5", 0},
        {QString::fromUtf8("١٢"), 0},  // Arabic-Indic digits are not 0-9
    };
    for (const auto& c : cases) EXPECT_EQ(DigitsToInt(c.input), c.expected) << c.input.toStdString();
}

}  // namespace
}  // namespace vn
