#include "setup/links/match_text.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

struct Pair {
    const char* name;
    QString left;
    QString right;
    bool same;
};

}  // namespace

TEST(MatchText, ignoresSpacesCasingAndPunctuationButNotCommas) {
    const Pair pairs[] = {
        {"apostrophe and hyphen", "O'Brien" "Mary-Ann", "OBRIEN" "maryann", true},
        {"comma kept", "Smith, Jr" "Ann", "Smith Jr" "Ann", false},
        {"phone brackets, hyphens, spaces", "SmithAnn(307) 555-1234", "SmithAnn307555 1234", true},
        {"every removed character", " !\"#$%&'()*+-./:;<=>?@[]^_`{}~x", "X", true},
        {"backslash, bar, digits kept", "a\\b|c1", "abc1", false},
        {"control character kept", "Ann\tLee", "AnnLee", false},
        {"letters above 127 not upper-cased", QString::fromUtf8("Zoë"), QString::fromUtf8("ZOË"), false},
    };
    for (const Pair& p : pairs)
        EXPECT_EQ(normaliseMatchText(p.left) == normaliseMatchText(p.right), p.same) << p.name;
}

TEST(MatchText, isPaddedOrCutToItsWidth) {
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {QString::fromUtf8("zoë-1"), QString::fromUtf8("ZOë1") + QString(106, ' ')},
        {QString(120, 'a'), QString(110, 'A')},
        {QString(100, '-') + QString(120, 'b'), QString(110, 'B')},
        {QString(), QString(110, ' ')},
    };
    for (const auto& c : cases) EXPECT_EQ(normaliseMatchText(c.text), c.expected) << c.text.toStdString();
}

TEST(MatchText, blankWhenNothingButIgnoredCharactersIsLeft) {
    EXPECT_TRUE(isBlankMatchText(normaliseMatchText(QString())));
    EXPECT_TRUE(isBlankMatchText(normaliseMatchText(QStringLiteral(" - . '"))));
    EXPECT_FALSE(isBlankMatchText(normaliseMatchText(QStringLiteral(","))));
    EXPECT_FALSE(isBlankMatchText(normaliseMatchText(QStringLiteral("\t"))));
}

TEST(MatchText, conditionsJoinLastFirstPhoneAddressCity) {
    EXPECT_EQ(matchFields(1), QList<int>({4, 2}));
    EXPECT_EQ(matchFields(2), QList<int>({4, 2, 6}));
    EXPECT_EQ(matchFields(4), QList<int>({4, 2, 6, 11, 13}));
    EXPECT_TRUE(matchFields(0).isEmpty());
    EXPECT_TRUE(matchFields(5).isEmpty());
}
