#include "requests/evaluation/truth.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

struct TruthCase {
    const char* truth;
    bool verdict;
};

TEST(Truth, FoldsStrictlyFromLeftToRightWithParenthesesTheOnlyGrouping) {
    const TruthCase cases[] = {
        {"T", true},
        {"F", false},
        {"TOFAF", false},  // (T or F) and F
        {"FATOT", true},   // (F and T) or T
        {"TAFOT", true},
        {"TO(FAF)", true},
        {"((T))", true},
        {"((TAF)OT)", true},
        {"((TAF)OT)A((FOT))", true},  // stripping the outer pair of this one once gave F
        {"(TAF)A(TOF)", false},
        {"((((T))))A(F)", false},
    };
    for (const TruthCase& c : cases) EXPECT_EQ(truthValue(c.truth), c.verdict) << c.truth;
}

TEST(Truth, StoredStringsWithUnevenParenthesesStillFold) {
    const TruthCase cases[] = {
        {"T)", true},          // a surplus ")" is ignored
        {"(TAF))OT", true},
        {"F))AT", false},
        {"(TOF", true},        // a missing ")" closes at the end
        {"((FOT)AT", true},
        {"(T)A(F", false},
        {"TA(FOT", true},
    };
    for (const TruthCase& c : cases) EXPECT_EQ(truthValue(c.truth), c.verdict) << c.truth;
}

TEST(Truth, MalformedGroupsAreFalse) {
    for (const char* truth : {"", "()", "TT", "TA", "AT", "TOFA", "T(T)", "TX", "(TT)OF"})
        EXPECT_FALSE(truthValue(truth)) << truth;
    EXPECT_TRUE(truthValue("(TT)OT"));  // only the broken group is false
    EXPECT_FALSE(truthValue(std::string(600, '(') + "T"));  // deeper than any request nests
}

TEST(Truth, AResultIsAskedForOnlyWhenTheVerdictCanDependOnIt) {
    struct AskCase {
        const char* truth;
        std::string asked;  // the results asked for, in order
        bool verdict;
    };
    const AskCase cases[] = {
        {"TAFOT", "012", true},
        {"FATOT", "02", true},    // F and anything is F
        {"TOFAF", "02", false},   // T or anything is T
        {"TO(FAT)AF", "03", false},  // a group that cannot matter is skipped whole
        {"FA((TOT)OT)OT", "04", true},
        {"(FAT)O(TAT)", "023", true},
        {"FA(T", "0", false},
    };
    for (const AskCase& c : cases) {
        std::string asked;
        const bool verdict = foldTruth(c.truth, [&](std::size_t n, char letter) {
            asked += char('0' + n);
            return letter == 'T';
        });
        EXPECT_EQ(asked, c.asked) << c.truth;
        EXPECT_EQ(verdict, c.verdict) << c.truth;
    }
}

TEST(Truth, ConditionsAppendTheirParenthesesResultAndConnector) {
    std::string truth;
    SqlCondition first;
    first.openParentheses = 2;
    first.connector = Connector::And;
    SqlCondition second;
    second.closeParentheses = 1;
    second.connector = Connector::Or;
    SqlCondition last;
    last.closeParentheses = 14;  // never more than ten
    appendTruth(truth, first, 'T');
    appendTruth(truth, second, 'F');
    appendTruth(truth, last, 'T');
    EXPECT_EQ(truth, "((TAF)OT))))))))))");
    EXPECT_EQ(truthShape({first, second, last}), "((?A?)O?))))))))))");
}

}  // namespace
