#include "store/text/case_conversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

struct CaseCase {
    QString input;
    QString expected;
};

TEST(CaseConversion, UpperChangesOnlyAsciiLetters) {
    const std::vector<CaseCase> cases = {
        {"", ""},
        {"abc xyz", "ABC XYZ"},
        {"MiXeD 123-~", "MIXED 123-~"},
        {"`az{", "`AZ{"},
        {QString::fromUtf8("café ß"), QString::fromUtf8("CAFé ß")},
    };
    for (const auto& c : cases) EXPECT_EQ(UpperCaseText(c.input), c.expected) << c.input.toStdString();
}

TEST(CaseConversion, LowerChangesOnlyAsciiLetters) {
    const std::vector<CaseCase> cases = {
        {"", ""},
        {"ABC XYZ", "abc xyz"},
        {"MiXeD 123-~", "mixed 123-~"},
        {"@AZ[", "@az["},
        {QString::fromUtf8("CAFÉ"), QString::fromUtf8("cafÉ")},
    };
    for (const auto& c : cases) EXPECT_EQ(LowerCaseText(c.input), c.expected) << c.input.toStdString();
}

struct ProperCase {
    QString input;
    bool firstOnly;
    QString expected;
};

TEST(CaseConversion, ProperCase) {
    const std::vector<ProperCase> cases = {
        {"", false, ""},
        {"", true, ""},
        {"mcDONALD", false, "Mcdonald"},
        {"mcDONALD", true, "McDONALD"},
        {"new york", false, "New York"},
        {"new york", true, "New york"},
        {"NEW YORK", false, "New York"},
        // The letter after a space is left as typed; only the others are lowered.
        {"new YORK", false, "New York"},
        // The second space counts as the character after the first, so "b" stays low.
        {"a  b", false, "A  b"},
        {"a ", false, "A "},
        {"x", false, "X"},
        {"1st street", false, "1st Street"},
        {" abc", false, " abc"},
        {"o'NEIL-SMITH", false, "O'neil-smith"},
        {QString::fromUtf8("élan VITAL"), false, QString::fromUtf8("élan Vital")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProperCaseText(c.input, c.firstOnly), c.expected)
            << c.input.toStdString() << " firstOnly=" << c.firstOnly;
}

}  // namespace
}  // namespace vn
