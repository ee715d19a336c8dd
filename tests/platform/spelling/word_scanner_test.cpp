#include "platform/spelling/word_scanner.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

QStringList checkableWords(const QString& text) {
    QStringList words;
    for (auto span = nextCheckableWord(text); span; span = nextCheckableWord(text, span->position + span->length))
        words << text.mid(span->position, span->length);
    return words;
}

struct Case {
    const char* text;
    QStringList words;
};

class WordScannerTest : public testing::TestWithParam<Case> {};

TEST_P(WordScannerTest, FindsTheWordsWorthChecking) {
    EXPECT_EQ(checkableWords(QString::fromUtf8(GetParam().text)), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WordScannerTest,
    testing::Values(
        Case{"", {}},
        Case{"  ,.;-- ", {}},
        Case{"one two,three", {"one", "two", "three"}},
        Case{"well-known e-mail", {"well", "known", "e", "mail"}},
        Case{"don't 'quoted' it\u2019s \u2018single\u2019", {"don't", "quoted", "it\u2019s", "single"}},
        Case{"'' ' \u2019", {}},
        Case{"1999 3rd A4 10am 1,000 x2y", {}},
        Case{"NASA FBI ID I A", {}},
        Case{"ABCDE Nasa", {"ABCDE", "Nasa"}},
        Case{"caf\u00e9 na\u00efve \u00fcber", {"caf\u00e9", "na\u00efve", "\u00fcber"}},
        Case{"cafe\u0301 ok", {"cafe\u0301", "ok"}}));

TEST(WordScannerStartTest, StartsAtTheGivenPosition) {
    const QString text = QStringLiteral("alpha beta gamma");
    EXPECT_EQ(nextCheckableWord(text, 5), (TextSpan{6, 4}));
    EXPECT_EQ(nextCheckableWord(text, 16), std::nullopt);
    EXPECT_EQ(nextCheckableWord(text, -3), (TextSpan{0, 5}));
}

}  // namespace
