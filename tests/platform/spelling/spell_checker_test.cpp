#include "platform/spelling/spell_checker.h"
#include "dictionary_folder.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace vn;

namespace vn {
inline void PrintTo(const Misspelling& m, std::ostream* os) {
    *os << '{' << m.position << ", " << m.length << ", \"" << m.word.toStdString() << "\"}";
}
}  // namespace vn

namespace {

// The system's en_US dictionary, loaded once for all cases.
class EnglishDictionaryTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_checker = new SpellChecker; }
    static void TearDownTestSuite() { delete s_checker; }
    void SetUp() override {
        if (!s_checker->isAvailable()) GTEST_SKIP() << "the en_US dictionary is not installed";
    }
    static SpellChecker* s_checker;
};
SpellChecker* EnglishDictionaryTest::s_checker = nullptr;

struct TextCase {
    const char* text;
    QList<Misspelling> expected;
};

class MisspellingsTest : public EnglishDictionaryTest, public testing::WithParamInterface<TextCase> {};

TEST_P(MisspellingsTest, ListsEachMisspeltWordWhereItStands) {
    EXPECT_EQ(s_checker->misspellings(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MisspellingsTest,
    testing::Values(
        TextCase{"", {}},
        TextCase{"The quick brown fox jumps over the lazy dog.", {}},
        TextCase{"Teh quick brwon fox", {{0, 3, "Teh"}, {10, 5, "brwon"}}},
        TextCase{"\u201cSo\u201d \u2014 5 \u20ac, \u00a3 or \u00a5: recieve", {{20, 7, "recieve"}}},
        TextCase{"The caf\u00e9 is open", {{4, 4, "caf\u00e9"}}},
        TextCase{"Don't say \u2018teh\u2019, it\u2019s wrong", {{11, 3, "teh"}}},
        TextCase{"NASA and the FBI met at 10am about 3rd-rate XQZW plans", {}},
        TextCase{"HELLO WROLD", {{6, 5, "WROLD"}}}));

TEST_F(EnglishDictionaryTest, SuggestsTheIntendedWord) {
    EXPECT_TRUE(s_checker->isCorrect("receive"));
    EXPECT_FALSE(s_checker->isCorrect("recieve"));
    EXPECT_TRUE(s_checker->suggestions("recieve").contains("receive"));
}

TEST_F(EnglishDictionaryTest, IgnoreAllAndAddedWordsLastForTheCheckerOnly) {
    SpellChecker checker;
    checker.ignoreAll("Varnedo");
    checker.addToDictionary("Zorblex");
    EXPECT_TRUE(checker.misspellings("Varnedo and Zorblex").isEmpty());
    EXPECT_EQ(checker.misspellings("varnedo"), (QList<Misspelling>{{0, 7, "varnedo"}}));

    const SpellChecker fresh;
    EXPECT_EQ(fresh.misspellings("Varnedo Zorblex"), (QList<Misspelling>{{0, 7, "Varnedo"}, {8, 7, "Zorblex"}}));
}

TEST(MissingDictionaryTest, EveryWordCountsAsCorrect) {
    const test::DictionaryFolder empty;
    EXPECT_FALSE(SpellChecker::dictionaryInstalled());
    SpellChecker checker;
    EXPECT_FALSE(checker.isAvailable());
    EXPECT_TRUE(checker.isCorrect("qzxvw"));
    EXPECT_TRUE(checker.suggestions("qzxvw").isEmpty());
    EXPECT_TRUE(checker.misspellings("qzxvw blorp").isEmpty());
    checker.addToDictionary("blorp");
    checker.ignoreAll("blorp");
}

// The same small dictionary written in each encoding a SET line may name.
class DictionaryEncodingTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const QByteArray encoding = GetParam();
        const auto bytes = [&](const QString& s) { return encoding == "UTF-8" ? s.toUtf8() : s.toLatin1(); };
        m_folder.write(bytes(QStringLiteral("SET %1\nTRY e\u00e9aiu\u00efn\n").arg(QLatin1String(encoding))),
                       bytes(QStringLiteral("caf\u00e9\nna\u00efve\nthe\n")));
        m_checker = std::make_unique<SpellChecker>();
    }
    test::DictionaryFolder m_folder;
    std::unique_ptr<SpellChecker> m_checker;
};

TEST_P(DictionaryEncodingTest, ReadsAndWritesWordsInTheDictionarysEncoding) {
    ASSERT_TRUE(m_checker->isAvailable());
    EXPECT_TRUE(m_checker->isCorrect(QStringLiteral("caf\u00e9")));
    EXPECT_FALSE(m_checker->isCorrect(QStringLiteral("cafe")));
    EXPECT_TRUE(m_checker->suggestions(QStringLiteral("cafe")).contains(QStringLiteral("caf\u00e9")));
    EXPECT_EQ(m_checker->misspellings(QStringLiteral("na\u00efve cafx caf\u00e9 the")),
              (QList<Misspelling>{{6, 4, "cafx"}}));
}

INSTANTIATE_TEST_SUITE_P(Encodings, DictionaryEncodingTest, testing::Values("UTF-8", "ISO8859-1"));

}  // namespace
