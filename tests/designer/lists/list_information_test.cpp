#include "designer/lists/list_information.h"
#include "lists/records/record_tables.h"
#include "shell/core/session.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vn;

namespace {

using Focus = ListInformationView::Focus;

struct ListInformationTest : ::testing::Test {
    ListInformationTest() : session(tmp.path(), prompter) {
        const QString data = session.folders.dataFolder();
        QDir().mkpath(data);
        createDatabase(session.folders.databasePath());
        session.catalogue.ReopenDataTables(data, {});
        info.open();
    }
    void addList(const QString& code, const QString& title) {
        info.newList();
        info.leaveCode(code);
        info.leaveTitle(title);
        info.add();
    }
    int row(const QString& code) const {
        const QStringList& lists = info.view().lists;
        for (int i = 0; i < lists.size(); ++i)
            if (lists[i].startsWith(code)) return i;
        return -1;
    }
    QString field(const QString& code, int f) {
        return session.access.FindRecord(kListSlot, code) ? session.access.GetFieldText(kListSlot, f) : "<none>";
    }
    test::TempFolder tmp;
    test::RecordingPrompter prompter;
    Session session;
    ListInformation info{session};
};

TEST_F(ListInformationTest, CodeRulesAndAnExistingCodeInAnyCase) {
    struct Case {
        QString typed, shown;
        bool error, add, del;
    };
    addList("abc", "Members");
    const Case cases[] = {{"AB1", "", true, false, false},
                          {"ab", "", true, false, false},
                          {"A c", "a c", false, true, false},
                          {"ABC", "abc", false, false, true}};
    for (const Case& c : cases) {
        prompter.messages.clear();
        info.newList();
        info.leaveCode(c.typed);
        EXPECT_EQ(info.view().code, c.shown) << c.typed.toStdString();
        EXPECT_EQ(!prompter.messages.isEmpty(), c.error) << c.typed.toStdString();
        EXPECT_EQ(info.view().addEnabled, c.add) << c.typed.toStdString();
        EXPECT_EQ(info.view().deleteEnabled, c.del) << c.typed.toStdString();
    }
    EXPECT_EQ(info.view().title, "Members");
}

TEST_F(ListInformationTest, AddWritesTheListRowAndMakesItCurrent) {
    addList("xyz", "Volunteers");
    EXPECT_EQ(field("xyz", 1), "Volunteers");
    EXPECT_EQ(field("xyz", 2), "0");
    EXPECT_EQ(field("xyz", 8), "1");
    EXPECT_EQ(info.view().lists, QStringList{"xyz  Volunteers"});
    EXPECT_EQ(session.currentListCode, "xyz");
    EXPECT_EQ(session.listCodes, QStringList{"xyz"});
}

TEST_F(ListInformationTest, SwitchingListsWritesTheTitleIntoTheListItBelongsTo) {
    addList("aaa", "First");
    addList("bbb", "Second");
    info.chooseList(row("aaa"));
    info.leaveTitle("First, renamed");
    session.access.FindRecord(kListSlot, "bbb");  // another row looked up meanwhile
    info.chooseList(row("bbb"));
    EXPECT_EQ(field("aaa", 1), "First, renamed");
    EXPECT_EQ(field("bbb", 1), "Second");
    EXPECT_EQ(info.view().title, "Second");
}

TEST_F(ListInformationTest, PasswordGateOpensForTheStoredOrMasterPasswordAndClosesAfterThreeTries) {
    addList("abc", "Members");
    info.chooseList(row("abc"));
    EXPECT_TRUE(info.view().fieldsEnabled);  // no password yet
    info.leaveNewPassword("Secret");
    info.leaveVerifyPassword("SECRET");
    EXPECT_EQ(field("abc", 10), "Secret");
    info.chooseList(row("abc"));
    EXPECT_FALSE(info.view().fieldsEnabled);
    EXPECT_TRUE(info.view().accessPasswordVisible);
    info.enterAccessPassword("secret");
    EXPECT_TRUE(info.view().fieldsEnabled);
    info.chooseList(row("abc"));
    info.enterAccessPassword("QuillBarrow");
    EXPECT_TRUE(info.view().fieldsEnabled);
    info.chooseList(row("abc"));
    for (int i = 0; i < 3; ++i) info.enterAccessPassword("wrong");
    EXPECT_TRUE(info.view().passwordGroupVisible);
    info.enterAccessPassword("secret");  // the fourth attempt closes the group, right or not
    EXPECT_FALSE(info.view().passwordGroupVisible);
    EXPECT_FALSE(info.view().fieldsEnabled);
    EXPECT_EQ(info.view().chosenRow, -1);
}

TEST_F(ListInformationTest, MismatchedPasswordsAreRefusedAndEmptyOnesRemoveThePassword) {
    addList("abc", "Members");
    info.chooseList(row("abc"));
    info.leaveNewPassword("one");
    info.leaveVerifyPassword("two");
    EXPECT_EQ(prompter.texts().last(), "New Password and Verify Password do not match!\r\rEnter a new password pair");
    EXPECT_EQ(field("abc", 10), "");
    info.leaveNewPassword("one");
    info.leaveVerifyPassword("one");
    info.leaveNewPassword("");
    info.leaveVerifyPassword("");
    EXPECT_EQ(field("abc", 10), "");
}

TEST_F(ListInformationTest, DescriptionIsCutAt232WithAWarning) {
    addList("abc", "Members");
    info.chooseList(row("abc"));
    EXPECT_EQ(info.editDescription(QString(240, 'x')).size(), 232);
    EXPECT_EQ(prompter.texts().last(), "Text entry can not exceed 232 characters.  The text will be truncated");
    info.saveDescription();
    EXPECT_EQ(field("abc", 15).size(), 232);
}

TEST_F(ListInformationTest, DeleteAsksAndRemovesTheListWithItsRecords) {
    addList("abc", "Members");
    addList("abd", "Others");
    session.access.EnsureRecord(kHeadSlot, "abcwyalb000000000");
    info.chooseList(row("abc"));
    EXPECT_TRUE(info.listHasRecords());
    prompter.answers = {Answer::No};
    info.deleteList();
    EXPECT_EQ(field("abc", 1), "Members");
    prompter.answers = {Answer::Ok};
    info.deleteList();
    EXPECT_EQ(field("abc", 1), "<none>");
    EXPECT_FALSE(session.access.FindRecord(kHeadSlot, "abcwyalb000000000"));
    EXPECT_EQ(info.view().lists, QStringList{"abd  Others"});
    EXPECT_EQ(session.currentListCode, "");
}

TEST_F(ListInformationTest, CloneMakesANewListOrSaysWhyNot) {
    addList("abc", "Members");
    info.cloneTextsChanged("abc", "", "Copy");
    EXPECT_FALSE(info.view().cloneEnabled);
    info.cloneTextsChanged("abc", "xyz", "Copy");
    EXPECT_TRUE(info.view().cloneEnabled);
    info.createClone("ABC", "XYZ", "Copy");
    EXPECT_EQ(info.view().lists, (QStringList{"abc  Members", "xyz  Copy"}));
    info.createClone("abc", "x1z", "Bad");
    EXPECT_EQ(prompter.texts().last(), "The Data List record code can only contain letters. Please enter a new (correct) record code");
}

}  // namespace
