#include "store/text/phone_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

TEST(PhoneFormat, Formats) {
    struct Case {
        QString input;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"3075550199", "(307)555-0199"},
        {"307.555.0199", "(307)555-0199"},
        {"(307) 555-0199", "(307)555-0199"},
        {"555-0199", "(   )555-0199"},
        {"5550199", "(   )555-0199"},
        {"12", "12"},
        {"", ""},
        {"no digits", ""},
        {"1-307-555-0199", "13075550199"},
        {"555-019", "555019"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatPhone(c.input), c.expected) << c.input.toStdString();
}

}  // namespace
}  // namespace vn
