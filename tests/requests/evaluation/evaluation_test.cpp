#include "request_store.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "lists/siblings/linked_value_resolver.h"
#include "requests/evaluation/linked_reader.h"
#include "support/sibling_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using test::RequestStore;

namespace {

constexpr int kFirst = 3, kLast = 5, kEmail = 9;  // header field numbers
constexpr int kText1 = 2, kCheck1 = 22, kCheck2 = 23, kRadio1 = 62, kMemo = 122;
constexpr CompareOp kEq = CompareOp::Equal, kLess = CompareOp::Less, kMore = CompareOp::Greater,
                    kNot = CompareOp::NotEqual;
const QString kSmith = "Smith";

struct EvaluationTest : ::testing::Test, RequestStore {
    // Page 1 of list abc: text field 1, check box 1, radio group 1 and the memo. Check-box
    // column 2 has no definition.
    EvaluationTest() {
        define(1, 1, FieldKind::Text, 1);
        define(1, 2, FieldKind::CheckBox, 1);
        define(1, 3, FieldKind::RadioGroup, 1);
        define(1, 4, FieldKind::Memo, 0);
    }
    MatchList withLast(const QString& last, EmailFilter filter = EmailFilter::All) {
        return matches(request({condition(0, kLast, kEq, last)}, filter));
    }
};

struct ValueCase {
    int page;
    int fieldNumber;
    CompareOp op;
    QString target;
    QString value;
    bool matches;
};

TEST_F(EvaluationTest, ValuesAreComparedAsRaisedTextsByTheirBytes) {
    const ValueCase cases[] = {
        {0, kLast, kEq, "*", "", true},  // a leading wild card takes every value, an empty one too
        {0, kLast, kNot, "*abc", "Nash", true},
        {0, kLast, kEq, "N*", "Nash", true},
        {0, kLast, kEq, "N*", "nels", true},
        {0, kLast, kEq, "N*", "N", true},
        {0, kLast, kEq, "N*", "Mary", false},
        {0, kLast, kMore, "N*", "Oscar", true},
        {0, kLast, kMore, "N*", "Nash", false},
        {0, kLast, kEq, "Na*h", "Nadia", true},  // what follows the wild card is not looked at
        {0, kLast, kEq, "", "", true},
        {0, kLast, kEq, "smith", "SMITH", true},
        {0, kLast, kEq, "\u00c9", "\u00e9", false},  // only a-z are raised
        {0, kLast, kLess, "14", "2", false},          // 2 sorts after 14
        {0, kLast, kMore, "14", "2", true},
        {0, kLast, kMore, "Z", "\u00e9", true},       // UTF-8 bytes, unsigned
        {0, kLast, kMore, "\ufffd", "\U0001d11e", true},
        {0, kLast, kEq, "\U0001d11ea*", "\U0001d11eab", true},  // cut by characters, not units
        {1, kText1, kEq, "0", "", false},
        {1, kCheck1, kEq, "0", "", true},  // a check box never stored counts as unchecked
        {1, kCheck1, kEq, "1", "", false},
        {1, kCheck1, kNot, "0", "", false},
        {1, kCheck1, kEq, "1", "1", true},
        {1, kCheck2, kEq, "0", "", false},  // no check box is defined there
        {1, kRadio1, kEq, "2", "2", true},  // the button's number
        {1, kRadio1, kEq, "2", "10", false},
        {1, kMemo, kEq, "cat", "Concatenate", true},
        {1, kMemo, kMore, "CAT", "concatenate", true},  // every operator but "<>" means contains
        {1, kMemo, kNot, "cat", "Concatenate", false},
        {1, kMemo, kNot, "dog", "Concatenate", true},
        {1, kMemo, kEq, "", "", true},
        {1, kMemo, kEq, "cats", "cat", false},
        {1, kMemo, kEq, "c*", "Concatenate", false},  // no wild card in a memo
    };
    const QString record = key(0);
    put(kHeadSlot, record, {});
    put(kPag1Slot, record, {});
    for (const ValueCase& c : cases) {
        const int slot = c.page == 0 ? kHeadSlot : kPag1Slot;
        put(slot, record, {{c.fieldNumber - 1, c.value}});
        const MatchList expected = c.matches ? MatchList{record} : MatchList{};
        EXPECT_EQ(matches(request({condition(c.page, c.fieldNumber, c.op, c.target)})), expected)
            << "field " << c.fieldNumber << " op " << int(c.op) << " target " << c.target.toStdString() << " value "
            << c.value.toStdString();
        put(slot, record, {{c.fieldNumber - 1, ""}});
    }
}

TEST_F(EvaluationTest, ConnectorsFoldFromLeftToRightAndParenthesesGroup) {
    put(kHeadSlot, key(1), {{kLast - 1, kSmith}, {kFirst - 1, "Ann"}});
    put(kHeadSlot, key(2), {{kLast - 1, "Jones"}, {kFirst - 1, "Bob"}});
    put(kHeadSlot, key(3), {{kLast - 1, kSmith}, {kFirst - 1, "Cy"}});
    QList<SqlCondition> conditions = {condition(0, kLast, kEq, kSmith, Connector::And),
                                      condition(0, kFirst, kEq, "Ann", Connector::Or),
                                      condition(0, kFirst, kEq, "Bob")};
    EXPECT_EQ(matches(request(conditions)), MatchList({key(1), key(2)}));
    conditions[1].openParentheses = 1;
    conditions[2].closeParentheses = 1;
    EXPECT_EQ(matches(request(conditions)), MatchList({key(1)}));
}

TEST_F(EvaluationTest, KeysOfEighteenCharactersStayWhole) {
    const QString key1000 = key(1000), key10000 = key(10000);
    ASSERT_EQ(key10000, "abcwyalb1000000000");
    ASSERT_EQ(key10000.left(17), key1000);
    for (const auto& [record, last, text] : {std::tuple{key1000, "Small", "no"}, std::tuple{key10000, "Big", "yes"}}) {
        put(kHeadSlot, record, {{kLast - 1, last}});
        put(kPag1Slot, record, {{kText1 - 1, text}});
    }
    EXPECT_EQ(withLast("Big"), MatchList({key10000}));
    EXPECT_EQ(matches(request({condition(1, kText1, kEq, "yes")})), MatchList({key10000}));
}

TEST_F(EvaluationTest, ARecordWithoutAPageRowReadsThatPageEmpty) {
    // The first Pag1 row is the one a failed lookup would leave current.
    put(kHeadSlot, key(0), {});
    put(kPag1Slot, key(0), {{kText1 - 1, "x"}, {kCheck1 - 1, "1"}});
    put(kHeadSlot, key(1), {});
    EXPECT_EQ(matches(request({condition(1, kText1, kEq, "x")})), MatchList({key(0)}));
    EXPECT_EQ(matches(request({condition(1, kText1, kEq, "")})), MatchList({key(1)}));
    EXPECT_EQ(matches(request({condition(1, kCheck1, kEq, "0")})), MatchList({key(1)}));
}

TEST_F(EvaluationTest, PageRowsAreFoundHoweverFarApartTheRecordsThatNeedThemAre) {
    // Text 1 is read only for the Smiths: the page rows in between are passed over.
    for (int n = 0; n < 40; ++n) {
        put(kHeadSlot, key(n), {{kLast - 1, n == 0 || n == 5 || n == 30 || n == 39 ? kSmith : "Jones"}});
        if (n != 39) put(kPag1Slot, key(n), {{kText1 - 1, n == 31 ? "y" : "x"}});
    }
    const SqlCondition smith = condition(0, kLast, kEq, kSmith, Connector::And);
    EXPECT_EQ(matches(request({smith, condition(1, kText1, kEq, "x")})), MatchList({key(0), key(5), key(30)}));
    EXPECT_EQ(matches(request({smith, condition(1, kText1, kEq, "")})), MatchList({key(39)}));
}

TEST_F(EvaluationTest, EveryMatchIsKeptInKeyOrder) {
    MatchList all;
    Transaction tx(access.database(kHeadSlot));
    for (int n = 1499; n >= 0; --n) {
        put(kHeadSlot, key(n), {{kLast - 1, kSmith}});
        all.prepend(key(n));
    }
    tx.commit();
    EXPECT_EQ(withLast(kSmith), all);
}

TEST_F(EvaluationTest, TheEmailFilterTakesRecordsWithOrWithoutAnAddress) {
    put(kHeadSlot, key(1), {{kLast - 1, kSmith}, {kEmail - 1, "ann@example.org"}});
    put(kHeadSlot, key(2), {{kLast - 1, kSmith}});
    put(kHeadSlot, key(3), {{kLast - 1, "Jones"}, {kEmail - 1, "bob@example.org"}});
    EXPECT_EQ(withLast(kSmith, EmailFilter::All), MatchList({key(1), key(2)}));
    EXPECT_EQ(withLast(kSmith, EmailFilter::WithAddress), MatchList({key(1)}));
    EXPECT_EQ(withLast(kSmith, EmailFilter::WithoutAddress), MatchList({key(2)}));
}

TEST_F(EvaluationTest, OnlyTheListsRowsAreTakenInAnyCaseOfItsCode) {
    for (const QString& record : {key(0, "aaa"), key(0, "abd"), key(0, "ABC"), QString("ab"), QString("abC"), key(0)})
        put(kHeadSlot, record, {});
    const MatchList expected{key(0, "ABC"), "abC", key(0)};
    EXPECT_EQ(withLast("*"), expected);
    SqlRequest upper = request({condition(0, kLast, kEq, "*")});
    upper.listCode = "ABC";
    EXPECT_EQ(matches(upper), expected);
}

TEST_F(EvaluationTest, LinkedTextFieldsReadTheSourceRecordWhenThereIsOne) {
    define(2, 1, FieldKind::Text, 1, {{25, "1"}, {26, "8"}});  // source 1, its field 8
    constexpr int kSourceKey1 = 18;
    put(kHeadSlot, key(1), {{kSourceKey1, "M000001"}});
    put(kPag2Slot, key(1), {{kText1 - 1, "stored"}});
    put(kHeadSlot, key(2), {{kSourceKey1, "M999999"}});
    put(kPag2Slot, key(2), {{kText1 - 1, "linked"}});
    QStringList asked;
    const LinkedFieldReader reader = [&](int source, int field, const QString& sourceKey) -> std::optional<QString> {
        asked << QStringLiteral("%1/%2/%3").arg(source).arg(field).arg(sourceKey);
        if (sourceKey == "M000001") return QStringLiteral("linked");
        return std::nullopt;
    };
    const SqlRequest r = request({condition(2, kText1, kEq, "linked")});
    EXPECT_EQ(matches(r), MatchList({key(2)}));
    EXPECT_EQ(matches(r, reader), MatchList({key(1), key(2)}));
    EXPECT_EQ(asked, QStringList({"1/8/M000001", "1/8/M999999"}));
}

// What lists, reports, labels and mail see is what the record screen shows: the sibling's value
// through the one resolver, the stored value where the sibling cannot say.
TEST_F(EvaluationTest, ARequestSeesLinkedValuesThroughTheSiblingsResolver) {
    test::makeSibling(folder.path(), SiblingProduct::Grovanta);
    test::putSiblingRecord(folder.path(), 1, "M1", {{8, "555-0001"}});
    define(2, 1, FieldKind::Text, 1, {{25, "1"}, {26, "8"}});
    constexpr int kSourceKey1 = 18;
    put(kHeadSlot, key(1), {{kSourceKey1, "M1"}});
    put(kPag2Slot, key(1), {{kText1 - 1, "old phone"}});
    put(kHeadSlot, key(2), {{kSourceKey1, "M2"}});  // gone from the source
    put(kPag2Slot, key(2), {{kText1 - 1, "555-0001"}});
    LinkedValueResolver siblings(test::siblingPlaces(folder.path(), {SiblingProduct::Grovanta}));
    EXPECT_EQ(matches(request({condition(2, kText1, kEq, "555-0001")}), linkedFieldReader(siblings)),
              MatchList({key(1), key(2)}));
    EXPECT_EQ(matches(request({condition(2, kText1, kEq, "old phone")}), linkedFieldReader(siblings)), MatchList());
}

TEST_F(EvaluationTest, ProgressIsToldAndCanCancelTheWalk) {
    Transaction tx(access.database(kHeadSlot));
    for (int n = 0; n < 3000; ++n) put(kHeadSlot, key(n), {{kLast - 1, kSmith}});
    for (int n = 0; n < 500; ++n) put(kHeadSlot, key(n, "abd"), {{kLast - 1, kSmith}});  // not counted
    tx.commit();
    const SqlRequest r = request({condition(0, kLast, kEq, kSmith)});
    QList<qint64> done;
    const auto whole = evaluateRequest(access, r, DefinitionCache(), [&](qint64 d, qint64 total) {
        EXPECT_EQ(total, 3000);
        done << d;
        return true;
    });
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.matches.size(), 3000);
    ASSERT_GE(done.size(), 2);
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
    EXPECT_EQ(done.back(), 3000);
    const auto cancelled = evaluateRequest(access, r, DefinitionCache(), [](qint64, qint64) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_LT(cancelled.matches.size(), 3000);
    EXPECT_EQ(cancelled.matches, whole.matches.first(cancelled.matches.size()));
}

TEST_F(EvaluationTest, NothingIsSelectedWithoutARequestOrAListAndABadFieldIsAnError) {
    put(kHeadSlot, key(0), {});
    SqlRequest empty = request({condition(0, kLast, kEq, "*")});
    empty.displayText.clear();
    EXPECT_TRUE(matches(empty).isEmpty());
    for (const char* code : {"", "ab", "abcd"}) {
        SqlRequest noList = request({condition(0, kLast, kEq, "*")});
        noList.listCode = code;
        EXPECT_TRUE(matches(noList).isEmpty()) << code;
    }
    for (const FieldRef bad : {FieldRef{0, 17}, FieldRef{1, 123}, FieldRef{7, 2}, FieldRef{-1, 2}, FieldRef{1, 1}})
        EXPECT_THROW(matches(request({condition(bad.page, bad.fieldNumber, kEq, "x")})), StoreError)
            << bad.page << "/" << bad.fieldNumber;
}

}  // namespace
