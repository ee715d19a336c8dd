#include "platform/spelling/spell_check_session.h"
#include "dictionary_folder.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

enum class Act { Change, ChangeAll, Ignore, IgnoreAll, Add };

struct Step {
    Act act;
    QString replacement;
};

struct Case {
    const char* name;
    QString text;
    QList<Step> steps;
    QStringList visited;  // the word shown before each step
    QString result;
};

void apply(SpellCheckSession& session, const Step& step) {
    switch (step.act) {
    case Act::Change: session.change(step.replacement); break;
    case Act::ChangeAll: session.changeAll(step.replacement); break;
    case Act::Ignore: session.ignore(); break;
    case Act::IgnoreAll: session.ignoreAll(); break;
    case Act::Add: session.addToDictionary(); break;
    }
}

// A small dictionary makes every other word a misspelling.
class SpellCheckSessionTest : public testing::TestWithParam<Case> {
protected:
    void SetUp() override { m_folder.write("SET UTF-8\nTRY etaodgcsnm\n", "the\ncat\nsat\non\nmat\na\ndog\n"); }
    test::DictionaryFolder m_folder;
};

TEST_P(SpellCheckSessionTest, StepsThroughTheMisspellings) {
    const Case& c = GetParam();
    SpellChecker checker;
    ASSERT_TRUE(checker.isAvailable());
    SpellCheckSession session(checker, c.text);
    QStringList visited;
    for (const Step& step : c.steps) {
        ASSERT_FALSE(session.atEnd()) << "ended before all steps";
        visited << session.current().word;
        apply(session, step);
    }
    EXPECT_TRUE(session.atEnd());
    EXPECT_EQ(visited, c.visited);
    EXPECT_EQ(session.text(), c.result);
    EXPECT_EQ(session.changed(), c.result != c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, SpellCheckSessionTest,
    testing::Values(
        Case{"NothingToDo", "the cat sat", {}, {}, "the cat sat"},
        Case{"Change", "teh cat sat", {{Act::Change, "the"}}, {"teh"}, "the cat sat"},
        Case{"ReplacementsOfOtherLengthsKeepLaterPositions", "tehh cat dgo x", {{Act::Change, "the"}, {Act::Change, "dog"}, {Act::Change, "a"}},
             {"tehh", "dgo", "x"}, "the cat dog a"},
        Case{"ChangeAllAppliesToTheRest", "teh cat teh dog teh", {{Act::ChangeAll, "the"}}, {"teh"}, "the cat the dog the"},
        Case{"ChangeAllMatchesWholeWords", "teh tehs teh", {{Act::ChangeAll, "the"}, {Act::Ignore, {}}}, {"teh", "tehs"},
             "the tehs the"},
        Case{"IgnoreSkipsOnce", "teh cat teh", {{Act::Ignore, {}}, {Act::Change, "the"}}, {"teh", "teh"}, "teh cat the"},
        Case{"IgnoreAllSkipsTheRest", "zork cat zork dgo", {{Act::IgnoreAll, {}}, {Act::Change, "dog"}}, {"zork", "dgo"},
             "zork cat zork dog"},
        Case{"AddedWordsAreKnown", "zork cat zork", {{Act::Add, {}}}, {"zork"}, "zork cat zork"},
        Case{"ReplacementIsNotCheckedAgain", "teh cat", {{Act::Change, "thx"}}, {"teh"}, "thx cat"},
        Case{"ChangeToNothingDeletesTheWord", "the teh cat", {{Act::Change, ""}}, {"teh"}, "the  cat"},
        Case{"ChangingBackIsNoChange", "teh", {{Act::Change, "teh"}}, {"teh"}, "teh"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(SpellCheckSessionEndTest, ActionsAfterTheEndChangeNothing) {
    const test::DictionaryFolder empty;
    SpellChecker checker;
    SpellCheckSession session(checker, "qzx wvut");
    ASSERT_TRUE(session.atEnd());
    session.change("x");
    session.changeAll("x");
    session.ignore();
    session.ignoreAll();
    session.addToDictionary();
    EXPECT_TRUE(session.suggestions().isEmpty());
    EXPECT_EQ(session.text(), "qzx wvut");
    EXPECT_FALSE(session.changed());
}

}  // namespace
