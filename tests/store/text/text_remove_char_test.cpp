#include "store/text/remove_char.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

TEST(RemoveChar, RemovesEveryOccurrence) {
    struct Case {
        QString input;
        QChar character;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"a-b-c", u'-', "abc"},
        {"---", u'-', ""},
        {"abc", u'-', "abc"},
        {"", u'-', ""},
        {"aAa", u'a', "A"},
        {QString::fromUtf8("x€y€"), QChar(0x20AC), "xy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoveChar(c.input, c.character), c.expected) << c.input.toStdString();
}

}  // namespace
}  // namespace vn
