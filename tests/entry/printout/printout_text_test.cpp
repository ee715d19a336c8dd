#include "entry/printout/printout_text.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(PrintoutTextTest, CaptionsWrapAtSpacesAndCutLongWordsHard) {
    struct Case {
        QString text;
        int maxChars;
        bool dropLeading;
        QStringList lines;
    };
    const QList<Case> cases = {
        {"Short", 5, false, {"Short"}},
        {"Date of birth", 8, false, {"Date of", "birth"}},
        {"Date of birth", 7, false, {"Date of", "birth"}},  // the space beyond the width breaks
        {"Supercalifragilistic", 6, false, {"Superc", "alifra", "gilist", "ic"}},
        {"ab  cd", 2, true, {"ab", "cd"}},
        {"x", 0, false, {"x"}},  // never stuck, whatever the width
        {"", 4, false, {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(wrapText(c.text, c.maxChars, c.dropLeading), c.lines) << c.text.toStdString();
}

TEST(PrintoutTextTest, MemoLinesBreakAtLineEndsMarksAndLength) {
    const QString noSpace(130, QChar(u'a'));
    const QString spaced = QString(100, u'b') + u' ' + QString(40, u'c');
    EXPECT_EQ(memoLines("a\r\nb\rc\nd\ve^^f"), QStringList({"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(memoLines(noSpace), QStringList({noSpace.left(124), noSpace.mid(124)}));
    EXPECT_EQ(memoLines(spaced), QStringList({QString(100, u'b'), QString(40, u'c')}));
}

TEST(PrintoutTextTest, OnlyLettersDigitsAndUnderscoreNameAFile) {
    for (const char* stem : {"abcwyalb000100000", "ABC_12"}) EXPECT_TRUE(isSafeFileStem(stem)) << stem;
    for (const char* stem : {"", "../abc", "abc/def", "abc.pdf", "a b", "abc\\x", "*"}) EXPECT_FALSE(isSafeFileStem(stem)) << stem;
    EXPECT_FALSE(isSafeFileStem(QStringLiteral("abc\u00e9")));
    EXPECT_EQ(plainFileStem("ab "), "ab ");
    EXPECT_EQ(plainFileStem("../"), "___");
}

}  // namespace
