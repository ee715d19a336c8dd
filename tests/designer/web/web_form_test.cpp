#include "designer/web/header_visibility.h"
#include "designer/web/web_form.h"
#include "lists/definitions/list_fields.h"
#include "store/catalogue/slots.h"
#include "support/qt_printers.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using In = WebFormInput;

namespace {

struct WebFormTest : ::testing::Test {
    WebFormTest() {
        access.EnsureRecord(kListSlot, "abc");
        access.SetFieldText(kListSlot, list_field::kTitle, "Members");
    }
    QString field(int number) {
        access.FindRecord(kListSlot, "abc");
        return access.GetFieldText(kListSlot, number);
    }

    test::StoreFixture store;
    RecordAccess& access = store.access;
    test::RecordingPrompter& prompter = store.prompter;
    WebForm form{access, prompter, "abc"};
};

TEST_F(WebFormTest, OpeningFillsInTheDefaultsAndShowsThePassword) {
    form.open();
    EXPECT_EQ(field(list_field::kWebFormOpened), "1");
    EXPECT_EQ(field(list_field::kHeaderLinkCode), "0");
    EXPECT_EQ(field(list_field::kInstructions), "No Special Instructions");
    EXPECT_EQ(field(list_field::kDescription), "No List Description");
    EXPECT_EQ(field(list_field::kHeaderVisibility), "TTTTTTTTTTTTTTT");
    EXPECT_EQ(field(list_field::kPassword), "webf");
    EXPECT_EQ(form.state().edits[std::size_t(In::Password)], "webf");  // it counts as given, so it is shown
    EXPECT_FALSE(form.state().buildEnabled);  // no return address nor agency yet
    EXPECT_FALSE(form.takeFocus());
}

TEST_F(WebFormTest, StoredSettingsAreKeptAndTheBuildButtonTakesTheFocus) {
    for (const auto& [number, text] : {std::pair{list_field::kReturnAddress, "a@b.org"}, {list_field::kAgencyName, "Extension"},
                                       {list_field::kPassword, "secret"}, {list_field::kHeaderLinkCode, "2"},
                                       {list_field::kInstructions, "Print clearly"}})
        access.SetFieldText(kListSlot, number, text);
    form.open();
    EXPECT_EQ(form.state().edits, (std::array<QString, 4>{"a@b.org", "Extension", "secret", ""}));
    EXPECT_EQ(field(list_field::kHeaderLinkCode), "2");
    EXPECT_TRUE(form.state().buildEnabled);
    EXPECT_EQ(form.takeFocus(), In::Build);
}

struct Leaving {
    In input;
    QString warning;
    int field;
    In next;  // focused after a good entry, the others still empty
};

TEST_F(WebFormTest, AnEmptyEditIsRefusedAndAGoodOneWrittenAndMovesOn) {
    const QList<Leaving> cases = {
        {In::ReturnAddress, "You MUST enter a valid return email address!", list_field::kReturnAddress, In::Password},
        {In::AgencyName, "You MUST enter a Submission Agency Name!", list_field::kAgencyName, In::ReturnAddress},
        {In::Password, "You MUST enter a Form Password for the web!", list_field::kPassword, In::ExpirationDate},
        {In::ExpirationDate, "You MUST enter a Auto Expiration Date!", list_field::kExpirationDate, In::Instructions},
    };
    for (const Leaving& c : cases) {
        access.SetFieldText(kListSlot, list_field::kPassword, "");
        access.SetFieldText(kListSlot, list_field::kReturnAddress, "");
        form.open();
        form.leave(In::Password, "");  // nothing given but the texts of this case
        form.editInstructions("");
        prompter.messages.clear();
        const int beeps = prompter.beeps;
        form.leave(c.input, "");
        EXPECT_EQ(prompter.texts(), QStringList{c.warning});
        EXPECT_EQ(prompter.beeps, beeps + 1);
        EXPECT_EQ(form.takeFocus(), c.input);
        form.leave(c.input, "x");
        EXPECT_EQ(field(c.field), "x");
        EXPECT_EQ(form.takeFocus(), c.next) << int(c.input);
    }
}

TEST_F(WebFormTest, InstructionsAreCutTo222AndStoredWithTheBuild) {
    form.open();
    form.leave(In::ReturnAddress, "a@b.org");
    form.leave(In::AgencyName, "Extension");
    EXPECT_TRUE(form.state().buildEnabled);
    form.editInstructions(QString(230, u'i'));
    EXPECT_EQ(form.state().instructions.size(), 222);
    EXPECT_EQ(prompter.texts().last(), "Text entry can not exceed 222 characters.  The text will be truncated");
    form.clearInstructions();
    EXPECT_FALSE(form.state().buildEnabled);
    form.editInstructions("Print clearly");
    prompter.answers = {Answer::No};
    EXPECT_FALSE(form.confirmBuild());
    EXPECT_EQ(field(list_field::kInstructions), "No Special Instructions");
    EXPECT_TRUE(form.confirmBuild());
    EXPECT_EQ(field(list_field::kInstructions), "Print clearly");
}

TEST(HeaderVisibilityTest, FirstAndLastStayShown) {
    test::StoreFixture store;
    HeaderVisibility flags(store.access, "abc");
    flags.read();
    flags.none();
    EXPECT_EQ(flags.text(), "FTFTFFFFFFFFFFF");
    flags.set(14, true);  // Zip
    flags.set(1, false);  // First cannot be hidden
    store.access.FindRecord(kListSlot, "abc");
    EXPECT_EQ(store.access.GetFieldText(kListSlot, list_field::kHeaderVisibility), "FTFTFFFFFFFFFFT");
    flags.all();
    flags.read();
    EXPECT_EQ(flags.text(), "TTTTTTTTTTTTTTT");
}

}  // namespace
