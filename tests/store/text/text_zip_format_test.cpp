#include "store/text/zip_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

TEST(ZipFormat, Formats) {
    struct Case {
        QString input;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"1234", "1234"},
        {"12345", "12345"},
        {"123456789", "12345-6789"},
        {"123456", "12345-6"},
        {"12345-6789", "12345-6789"},
        {"123450000", "12345"},
        {"12345-0000", "12345"},
        {"12345-000", "12345-000"},
        // A hyphen elsewhere is no extension marker: nothing is inserted or dropped.
        {"1234-50000", "1234-50000"},
        {"123-450000", "123-450000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatZip(c.input), c.expected) << c.input.toStdString();
}

}  // namespace
}  // namespace vn
