#include "lists/definitions/definition_keys.h"
#include "entry/links/header_link_pick.h"
#include "entry/links/linked_field_pick.h"
#include "entry/session/entry_session.h"
#include "entry/session/list_choice.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "support/sibling_fixture.h"
#include "../session/session_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

using P = SiblingProduct;

// Field n of a sibling record holds the n-th letter (one letter fits every field), so a value
// tells where it came from.
QString letter(int field) { return QString(QChar('A' + field - 1)); }
QMap<int, QString> lettered(int fields) {
    QMap<int, QString> values;
    for (int f = 1; f < fields; ++f) values.insert(f, letter(f));
    return values;
}

// List "abc" whose page 1 has text fields linked to source 1: slot 1 its field 2 (First), slot
// 2 its field 8 (Home Phone), slot 3 not linked.
struct RecordLinksTest : ::testing::Test {
    RecordLinksTest() {
        for (P product : {P::Grovanta, P::Pavilo, P::Kovra})
            fx.session.siblings[std::size_t(product)] = test::makeSibling(fx.tmp.path(), product);
        fx.putRow(kListSlot, "abc", {{1, "Members"}, {11, "1"}});
        linkedField(1, 1, 2);
        linkedField(2, 1, 8);
        linkedField(3, 0, 0);
        reloadListCodes(fx.session);
        ChooseList(fx.session, "abc  Members");
        for (int source : {1, 2, 5, 7}) test::putSiblingRecord(fx.tmp.path(), source, "K1", lettered(fieldsOf(source)));
    }
    static int fieldsOf(int source) { return int(siblingTableDef(*siblingSource(source)).fields.size()); }
    void linkedField(int slot, int source, int field) {
        fx.putRow(kFdisSlot, definitionKey("abc", 1, slot),
                  {{1, "1"}, {2, "1"}, {3, QString::number(slot)}, {4, QString("Field %1").arg(slot)},
                   {25, QString::number(source)}, {26, QString::number(field)}});
    }
    // A saved record with Head fields as given.
    QString record(std::initializer_list<std::pair<int, QString>> head) {
        entry.startNew();
        entry.setHeader(4, "Stored");
        EXPECT_EQ(entry.save(), SaveOutcome::Saved);
        const QString key = entry.key();
        entry.leave();
        fx.putRow(kHeadSlot, key, head);
        return key;
    }
    QString stored(int slot, const QString& key, int field) {
        return fx.access.FindRecord(slot, key) ? fx.access.GetFieldText(slot, field) : "<no row>";
    }

    test::SessionFixture fx;
    EntrySession entry{fx.session};
};

struct KindCase {
    int kind;
    QList<std::pair<int, QString>> header;  // Head field -> expected after opening
};

TEST_F(RecordLinksTest, OpeningRefreshesTheHeaderByTheMapOfItsKindAndLeavesUnmappedFieldsAlone) {
    const KindCase cases[] = {
        {1, {{2, letter(2)}, {3, letter(3)}, {4, letter(1)}, {6, letter(8)}, {7, letter(9)}, {8, letter(24)}, {11, letter(5)}, {12, letter(4)}, {13, "typed"}, {14, letter(6)}, {15, letter(7)}}},
        {2, {{2, letter(2)}, {4, letter(1)}, {8, letter(19)}, {11, letter(5)}, {12, letter(4)}}},
        {5, {{2, letter(2)}, {3, letter(3)}, {4, letter(1)}, {6, letter(4)}, {7, "typed"}, {8, "typed"}, {11, letter(11)}, {12, letter(10)}, {14, letter(12)}, {15, letter(13)}}},
        {7, {{2, letter(2)}, {3, "typed"}, {4, letter(1)}, {6, "typed"}, {11, "typed"}}},
    };
    for (const KindCase& c : cases) {
        QList<std::pair<int, QString>> head{{16, QString::number(c.kind)}, {17, "K1"}};
        for (int f = 2; f <= 15; ++f) head.append({f, "typed"});
        const QString key = record({});
        for (const auto& [f, v] : head) fx.putRow(kHeadSlot, key, {{f, v}});
        ASSERT_TRUE(entry.open(key));
        for (const auto& [field, value] : c.header) {
            EXPECT_EQ(entry.header(field), value) << "kind " << c.kind << " field " << field;
            EXPECT_EQ(stored(kHeadSlot, key, field), value) << "kind " << c.kind << " field " << field;
        }
        entry.leave();
    }
    // The sibling's record changed: the next opening shows the change.
    const QString key = record({{16, "2"}, {17, "K1"}});
    test::putSiblingRecord(fx.tmp.path(), 2, "K1", {{19, "new@example.org"}});
    ASSERT_TRUE(entry.open(key));
    EXPECT_EQ(entry.header(8), "new@example.org");
    EXPECT_TRUE(fx.prompter.messages.isEmpty());
}

TEST_F(RecordLinksTest, APickedHeaderLinkIsSavedWithoutCopyingAndRefreshesTheNextOpening) {
    const QString key = record({});
    ASSERT_TRUE(entry.open(key));
    HeaderLinkPick pick(entry.siblingPlaces());
    ASSERT_TRUE(pick.start(entry.listHeaderLinkKind()));
    EXPECT_EQ(pick.kind(), 1);
    ASSERT_EQ(pick.pick().entries().size(), 1);
    QString refusal;
    ASSERT_TRUE(pick.choose(0, refusal));
    EXPECT_EQ(pick.boxes()[5], letter(24));  // Email
    EXPECT_EQ(pick.boxes()[6], letter(5));   // Address 1
    entry.linkHeader(pick.chosenKind(), pick.chosenKey());  // "Return" without copying
    EXPECT_EQ(entry.header(4), "Stored");
    EXPECT_FALSE(entry.headerChanged());
    ASSERT_EQ(entry.save(), SaveOutcome::Saved);
    EXPECT_EQ(stored(kHeadSlot, key, 16), "1");
    EXPECT_EQ(stored(kHeadSlot, key, 17), "K1");
    entry.leave();
    ASSERT_TRUE(entry.open(key));
    EXPECT_EQ(entry.header(4), letter(1));
}

TEST_F(RecordLinksTest, AUserSelectableListKeepsTheKindOfTheSourceChosenAndCopiesOnlyMappedFields) {
    fx.putRow(kListSlot, "abc", {{11, "9"}});
    const QString key = record({{6, "555-1234"}, {8, "me@example.org"}});
    ASSERT_TRUE(entry.open(key));
    HeaderLinkPick pick(entry.siblingPlaces());
    ASSERT_TRUE(pick.start(9));
    EXPECT_EQ(pick.kind(), 0);
    EXPECT_TRUE(pick.pick().entries().isEmpty());
    ASSERT_TRUE(pick.chooseSource(7));
    QString refusal;
    ASSERT_TRUE(pick.choose(0, refusal));
    entry.linkHeader(pick.chosenKind(), pick.chosenKey());
    entry.copyHeader(pick.copy());
    EXPECT_FALSE(pick.copyEnabled());
    EXPECT_EQ(entry.header(2), letter(2));
    EXPECT_EQ(entry.header(6), "555-1234");  // KOVRA keeps no phone: the typed one stays
    EXPECT_EQ(entry.header(8), "me@example.org");
    ASSERT_EQ(entry.save(), SaveOutcome::Saved);
    EXPECT_EQ(stored(kHeadSlot, key, 16), "7");
}

TEST_F(RecordLinksTest, TheViewsListBothWaysWithKeysAsDataAndRefuseKeysARecordCannotKeep) {
    test::putSiblingRecord(fx.tmp.path(), 7, "A", {{1, "Zed"}, {2, "Ann"}});
    // A sibling's file may hold keys wider than its own product writes.
    Database::open(fx.session.siblingPlaces().fileOf(*siblingSource(7)))
        ->execute("INSERT INTO User (Key, Last, First) VALUES ('LONGKEY99', 'Able', 'Bo')");
    HeaderLinkPick pick(entry.siblingPlaces());
    ASSERT_TRUE(pick.start(7));
    QStringList keys;
    for (const SiblingEntry& e : pick.pick().entries()) keys << e.key;
    EXPECT_EQ(keys, QStringList({"A", "K1", "LONGKEY99"}));
    pick.setOrder(SiblingOrder::ByName);
    ASSERT_EQ(pick.pick().entries()[1].key, "LONGKEY99");  // "A  B", "Able  Bo", "Zed  Ann"
    QString refusal;
    EXPECT_FALSE(pick.choose(1, refusal));
    EXPECT_TRUE(refusal.contains("LONGKEY99")) << refusal.toStdString();
    EXPECT_FALSE(pick.copyEnabled());
    EXPECT_TRUE(pick.choose(2, refusal));
    EXPECT_EQ(pick.chosenKey(), "A");
    EXPECT_EQ(pick.boxes()[0], "Ann");
}

TEST_F(RecordLinksTest, LinkedFieldsOfOneSourceShowTheSameRecordAndAGoneOneKeepsItsStoredValue) {
    test::putSiblingRecord(fx.tmp.path(), 1, "K2", {{2, "Jo"}, {8, "555-0002"}});
    const QString key = record({});
    ASSERT_TRUE(entry.open(key));
    LinkedFieldPick pick(entry.siblingPlaces());
    ASSERT_TRUE(pick.start(entry.definitions().definition(1, 2)));
    EXPECT_EQ(pick.dataSystem(), "Grovanta!");
    EXPECT_EQ(pick.dataFile(), "Members");
    EXPECT_EQ(pick.fieldName(), "Field 2");
    QString refusal;
    ASSERT_TRUE(pick.choose(1, refusal));
    EXPECT_EQ(pick.contents(), "555-0002");
    entry.linkSource(1, pick.chosenKey(), pick.pick().resolver());
    EXPECT_EQ(entry.value(1, 1), "Jo");
    EXPECT_EQ(entry.value(1, 2), "555-0002");
    ASSERT_EQ(entry.save(), SaveOutcome::Saved);
    EXPECT_EQ(stored(kHeadSlot, key, 18), "K2");
    entry.leave();

    test::putSiblingRecord(fx.tmp.path(), 1, "K2", {{2, "Joan"}});
    ASSERT_TRUE(entry.open(key));
    EXPECT_EQ(entry.value(1, 1), "Joan");
    ASSERT_EQ(entry.save(), SaveOutcome::Saved);  // the column keeps what was shown
    EXPECT_EQ(stored(kPag1Slot, key, 1), "Joan");

    // The product gone, or its file damaged: the stored values stay on the screen and in the row.
    entry.leave();
    fx.session.siblings[0].found = false;
    ASSERT_TRUE(entry.open(key));
    EXPECT_EQ(entry.value(1, 1), "Joan");
    entry.setValue(1, 3, "typed");
    ASSERT_EQ(entry.save(), SaveOutcome::Saved);
    EXPECT_EQ(stored(kPag1Slot, key, 1), "Joan");
    EXPECT_EQ(stored(kPag1Slot, key, 2), "555-0002");
    entry.leave();
    fx.session.siblings[0].found = true;
    const QString file = fx.session.siblingPlaces().fileOf(*siblingSource(1));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    ASSERT_TRUE(entry.open(key));
    EXPECT_EQ(entry.value(1, 1), "Joan");
    EXPECT_TRUE(fx.prompter.messages.isEmpty());
    LinkedFieldPick view(entry.siblingPlaces());
    EXPECT_FALSE(view.start(entry.definitions().definition(1, 1)));
    EXPECT_TRUE(view.pick().problem().contains(file)) << view.pick().problem().toStdString();
}

TEST_F(RecordLinksTest, UpdateLinkedRecordsWritesEveryChainedRecordOrNone) {
    const QString owner = record({{2, "Ann"}, {4, "Old"}});
    const QString first = record({{1, "Dr."}, {4, "Old"}});
    const QString second = record({{4, "Old"}});
    for (const QString& linked : {first, QString("abcwyalb999900000"), second})
        fx.access.AppendLinkEntry(kLinkSlot, owner, linked);
    ASSERT_TRUE(entry.open(owner));
    EXPECT_FALSE(entry.updateLinkedEnabled());
    entry.setHeader(4, "New");
    ASSERT_TRUE(entry.updateLinkedEnabled());

    // The second write fails: the first is undone with it.
    fx.access.database(kHeadSlot).execute(
        QString("CREATE TRIGGER refuse BEFORE UPDATE ON Head WHEN OLD.Key = '%1' BEGIN SELECT RAISE(ABORT, 'disk full'); END")
            .arg(second));
    EXPECT_THROW(entry.updateLinkedRecords(), StoreError);
    for (const QString& linked : {first, second}) EXPECT_EQ(stored(kHeadSlot, linked, 4), "Old");
    fx.access.database(kHeadSlot).execute("DROP TRIGGER refuse");

    const auto count = entry.updateLinkedRecords();
    ASSERT_TRUE(count);
    EXPECT_EQ(count->updated, 2);
    EXPECT_EQ(count->skipped, 1);
    EXPECT_EQ(stored(kHeadSlot, first, 4), "New");
    EXPECT_EQ(stored(kHeadSlot, first, 2), "Ann");
    EXPECT_EQ(stored(kHeadSlot, first, 1), "Dr.");  // Title is not copied
    EXPECT_EQ(stored(kHeadSlot, owner, 4), "Old");  // the record itself waits for its save
}

}  // namespace
