#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"
#include "entry/session/entry_session.h"
#include "entry/session/list_choice.h"
#include "session_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kLast = 4;
constexpr int kMemo = 121;
const QString kFirstKey = "abcwyalb000000000";
const QString kExitText =
    "Some data has been entered.  Are you sure you want to exit without saving the record?\r\rExit without saving?";

// List "abc" with fields on pages 1 and 3 only.
struct EntrySessionTest : ::testing::Test {
    EntrySessionTest() {
        fx.putRow(kListSlot, "abc", {{1, "Members"}, {11, "2"}});
        for (int page : {1, 3}) fx.putRow(kFdisSlot, definitionKey("abc", page, 1), {{1, "1"}, {2, "1"}, {3, "1"}});
        fx.putRow(kFdisSlot, pageTitleKey("abc", 3), {{4, "Health"}});
        reloadListCodes(fx.session);
        ChooseList(fx.session, "abc  Members");
    }
    // A saved record of the list with the last name given.
    QString saved(const QString& last) {
        entry.startNew();
        entry.setHeader(kLast, last);
        entry.setValue(1, kMemo, "memo of " + last);
        EXPECT_EQ(entry.save(), SaveOutcome::Saved);
        const QString key = entry.key();
        entry.leave();
        return key;
    }
    QString stored(int slot, const QString& key, int field) {
        return fx.access.FindRecord(slot, key) ? fx.access.GetFieldText(slot, field) : "<no row>";
    }
    QStringList rowsOf(const QString& key) {
        QStringList tables;
        for (int slot : {kHeadSlot, kPag1Slot, kPag2Slot, kPag3Slot, kPag4Slot, kPag5Slot, kPag6Slot})
            if (fx.access.FindRecord(slot, key)) tables << TableCatalogue::shortName(slot);
        return tables;
    }

    test::SessionFixture fx;
    EntrySession entry{fx.session};
};

TEST_F(EntrySessionTest, ANewRecordGetsRowsUpToTheHighestDefinedPageAndItsValuesAtSave) {
    ASSERT_TRUE(entry.startNew());
    EXPECT_TRUE(entry.isNew());
    EXPECT_EQ(entry.key(), kFirstKey);
    EXPECT_EQ(rowsOf(kFirstKey), QStringList({"Head", "Pag1", "Pag2", "Pag3"}));
    EXPECT_FALSE(entry.priorEnabled() || entry.nextEnabled());
    for (int column : {21, 60, 70}) EXPECT_EQ(entry.value(6, column), "0") << column;
    entry.setHeader(kLast, "Smith");
    entry.setValue(3, 1, "asthma");
    ASSERT_EQ(entry.save(), SaveOutcome::Saved);
    EXPECT_FALSE(entry.isNew());
    EXPECT_EQ(stored(kHeadSlot, kFirstKey, kLast), "Smith");
    EXPECT_EQ(stored(kPag3Slot, kFirstKey, 1), "asthma");
    EXPECT_EQ(stored(kPag2Slot, kFirstKey, 21), "0");
    EXPECT_EQ(stored(kPag4Slot, kFirstKey, 21), "<no row>");
    entry.startNew();
    EXPECT_EQ(entry.key(), "abcwyalb000100000");  // the counter moved on at the first save
}

TEST_F(EntrySessionTest, ANewRecordWithAnEmptyHeaderIsNotSavedAndCanBeTakenUpAgain) {
    entry.startNew();
    entry.setValue(1, 1, "typed on page 1");
    EXPECT_EQ(entry.save(), SaveOutcome::EmptyHeader);
    EXPECT_FALSE(entry.hasRecord());
    EXPECT_EQ(rowsOf(kFirstKey), QStringList());
    ASSERT_TRUE(entry.returnToRecord());
    EXPECT_TRUE(entry.isNew());
    EXPECT_EQ(entry.value(1, 1), "typed on page 1");
    EXPECT_EQ(rowsOf(kFirstKey), QStringList({"Head", "Pag1", "Pag2", "Pag3"}));
    entry.leave();
    entry.startNew();
    EXPECT_EQ(entry.key(), kFirstKey);  // nothing was committed, the number is free again
}

TEST_F(EntrySessionTest, AnExistingRecordWithItsHeaderEmptiedStaysAsStored) {
    const QString key = saved("Smith");
    ASSERT_TRUE(entry.open(key));
    entry.setHeader(kLast, "");
    entry.setValue(1, 1, "changed");
    EXPECT_EQ(entry.save(), SaveOutcome::EmptyHeader);
    EXPECT_EQ(stored(kHeadSlot, key, kLast), "Smith");
    EXPECT_EQ(stored(kPag1Slot, key, 1), "");
    EXPECT_TRUE(entry.hasRecord());
}

TEST_F(EntrySessionTest, NoWayOutOfANewRecordLeavesRowsBehind) {
    entry.startNew();
    entry.leave();
    EXPECT_EQ(rowsOf(kFirstKey), QStringList());
    entry.startNew();
    entry.startNew();  // the unsaved one goes before the next starts
    EXPECT_EQ(rowsOf(kFirstKey), QStringList({"Head", "Pag1", "Pag2", "Pag3"}));
    EXPECT_TRUE(entry.cancel());
    EXPECT_EQ(rowsOf(kFirstKey), QStringList());
    EXPECT_TRUE(fx.prompter.messages.isEmpty());
}

TEST_F(EntrySessionTest, CancellingAnExistingRecordAsksAndUndoesItsChangesMemoIncluded) {
    const QString key = saved("Smith");
    ASSERT_TRUE(entry.open(key));
    entry.setValue(1, kMemo, "rewritten memo");
    fx.prompter.answers = {Answer::No};
    EXPECT_FALSE(entry.cancel());
    EXPECT_TRUE(entry.hasRecord());
    EXPECT_EQ(fx.prompter.texts(), QStringList{kExitText});
    EXPECT_TRUE(entry.cancel());  // OK this time
    EXPECT_FALSE(entry.hasRecord());
    EXPECT_EQ(stored(kPag1Slot, key, kMemo), "memo of Smith");
    ASSERT_TRUE(entry.open(key));
    EXPECT_EQ(entry.value(1, kMemo), "memo of Smith");
}

TEST_F(EntrySessionTest, DeletingAsksFirst) {
    const QString key = saved("Smith");
    ASSERT_TRUE(entry.open(key));
    fx.prompter.answers = {Answer::No};
    EXPECT_FALSE(entry.deleteRecord());
    EXPECT_EQ(rowsOf(key).size(), 4);
    EXPECT_TRUE(entry.deleteRecord());
    EXPECT_EQ(rowsOf(key), QStringList());
    EXPECT_EQ(fx.prompter.texts(), QStringList({"Confirm record deletion!", "Confirm record deletion!"}));
    EXPECT_FALSE(entry.open(key));
}

TEST_F(EntrySessionTest, PriorAndNextSaveThenStepThroughTheListing) {
    const QStringList keys = {saved("Adams"), saved("Brown"), saved("Clark")};
    entry.setNavigation(RecordListing(fx.access).list("abc", ListingOrder::ByName));
    ASSERT_TRUE(entry.openAt(0));
    EXPECT_FALSE(entry.priorEnabled());
    EXPECT_TRUE(entry.nextEnabled());
    entry.setValue(3, 1, "seen");
    ASSERT_TRUE(entry.next());
    EXPECT_EQ(stored(kPag3Slot, keys[0], 1), "seen");
    ASSERT_TRUE(entry.next());
    EXPECT_EQ(entry.key(), keys[2]);
    EXPECT_FALSE(entry.nextEnabled());
    EXPECT_FALSE(entry.next());
    ASSERT_TRUE(entry.prior());
    EXPECT_EQ(entry.header(kLast), "Brown");
    EXPECT_EQ(entry.position(), 1);
}

TEST_F(EntrySessionTest, ARefusingFieldCheckStopsEveryActionThatWouldLeaveTheField) {
    const QString first = saved("Adams");
    saved("Brown");
    entry.setNavigation(RecordListing(fx.access).list("abc", ListingOrder::ByName));
    ASSERT_TRUE(entry.openAt(0));
    int calls = 0;
    entry.setPendingChecks([&] { return ++calls, false; });
    entry.setHeader(kLast, "Zed");
    EXPECT_EQ(entry.save(), SaveOutcome::Stopped);
    EXPECT_FALSE(entry.next());
    EXPECT_EQ(entry.switchPage(3), PageSwitch::Refused);
    EXPECT_FALSE(entry.openAt(1));
    EXPECT_FALSE(entry.startNew());
    EXPECT_EQ(calls, 5);
    EXPECT_EQ(entry.key(), first);
    EXPECT_EQ(entry.currentPage(), 1);
    EXPECT_EQ(stored(kHeadSlot, first, kLast), "Adams");
    entry.setPendingChecks([] { return true; });
    EXPECT_EQ(entry.save(), SaveOutcome::Saved);
    EXPECT_EQ(stored(kHeadSlot, first, kLast), "Zed");
}

TEST_F(EntrySessionTest, OnlyDefinedPagesCanBeShown) {
    entry.startNew();
    EXPECT_EQ(entry.pageTitle(3), "Health");
    EXPECT_EQ(entry.pageTitle(2), "Page 2");
    EXPECT_FALSE(entry.nextPageEnabled());  // page 2 has no fields
    EXPECT_EQ(entry.switchPage(2), PageSwitch::Refused);
    EXPECT_EQ(entry.switchPage(3), PageSwitch::FirstVisit);
    EXPECT_FALSE(entry.priorPageEnabled());
    EXPECT_EQ(entry.switchPage(3), PageSwitch::Same);
    EXPECT_EQ(entry.switchPage(1), PageSwitch::Shown);
    EXPECT_EQ(entry.previousPage(), 3);
    EXPECT_EQ(entry.switchPage(3), PageSwitch::Shown);
    entry.setValue(3, 1, "text");
    entry.setValue(3, 22, "1");
    entry.clearPage();
    EXPECT_EQ(entry.value(3, 1), "");
    EXPECT_EQ(entry.value(3, 22), "0");
}

TEST_F(EntrySessionTest, FieldsAddedInTheDesignerMeanwhileAreSeenAtTheNextRecord) {
    const QString key = saved("Smith");
    ASSERT_TRUE(entry.open(key));
    EXPECT_FALSE(entry.isPageDefined(5));
    fx.putRow(kFdisSlot, definitionKey("abc", 5, 1), {{1, "1"}, {2, "1"}, {3, "1"}});
    ASSERT_TRUE(entry.open(key));
    EXPECT_TRUE(entry.isPageDefined(5));
    EXPECT_EQ(entry.highestDefinedPage(), 5);
}

TEST_F(EntrySessionTest, ChoosingAndRemovingLists) {
    const ListFacts facts = ChooseList(fx.session, "ABC  Members");
    EXPECT_EQ(facts.code, "abc");
    EXPECT_EQ(facts.title, "Members");
    EXPECT_EQ(facts.headerLinkKind, 2);
    EXPECT_FALSE(ChooseList(fx.session, "zzz").exists());
    EXPECT_EQ(fx.session.currentListCode, "abc");
    EXPECT_EQ(ListEntries(fx.session), QStringList{"abc  Members"});
    const QString key = saved("Smith");
    fx.prompter.answers = {Answer::No, Answer::Ok, Answer::Ok};
    EXPECT_FALSE(DeleteListData(fx.session, "abc"));
    EXPECT_EQ(rowsOf(key).size(), 4);
    EXPECT_TRUE(DeleteListData(fx.session, "abc"));
    EXPECT_EQ(rowsOf(key), QStringList());
    EXPECT_TRUE(DeleteFormAndList(fx.session, "abc"));
    EXPECT_EQ(ListEntries(fx.session), QStringList());
    EXPECT_TRUE(fx.session.currentListCode.isEmpty());
    EXPECT_EQ(fx.prompter.texts().value(2),
              "Caution! Confirm removing form data and all data records from the selected list.\r\rContinue?");
    EXPECT_EQ(fx.prompter.beeps, 3);
}

}  // namespace

namespace {

TEST_F(EntrySessionTest, ChangeMarksForTheHeaderAndThePageChoices) {
    const QString key = saved("Smith");
    ASSERT_TRUE(entry.open(key));
    EXPECT_FALSE(entry.headerChanged());
    entry.setHeader(kLast, "Smith");  // the same value is no change
    entry.setValue(1, 1, "text only");
    EXPECT_FALSE(entry.headerChanged());
    EXPECT_FALSE(entry.choicesChanged(1));
    entry.setHeader(kLast, "Smyth");
    entry.setValue(1, 21, "1");
    EXPECT_TRUE(entry.headerChanged());
    EXPECT_TRUE(entry.choicesChanged(1));
    ASSERT_TRUE(entry.open(key));  // opening again starts unmarked
    EXPECT_FALSE(entry.headerChanged());
    EXPECT_FALSE(entry.choicesChanged(1));
}

}  // namespace
