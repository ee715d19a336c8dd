#include "setup/links/head_rows.h"
#include "setup/links/link_lists.h"
#include "shell/core/shell_fixture.h"

#include <gtest/gtest.h>
#include <optional>

using namespace vn;
using test::recordKey;

namespace {

class LinkListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shell.start());
        test::putLists(session().access, {{"abc", "Members"}, {"abd", "Donors"}, {"abe", "Staff"}});
        reloadListCodes(session());
        links.emplace(session());
        links->open();
    }
    Session& session() { return *shell.session; }
    int row(const QStringList& entries, const QString& code) {
        for (int n = 0; n < entries.size(); ++n)
            if (entries[n].startsWith(code + "  ")) return n;
        return -1;
    }
    // None, All, Process, Clear.
    std::array<bool, 4> enabled() const {
        const LinkScreen& s = links->screen();
        return {s.noneEnabled, s.allEnabled, s.processEnabled, s.clearEnabled};
    }

    test::ShellFixture shell;
    std::optional<LinkLists> links;  // made once the run started
};

}  // namespace

TEST_F(LinkListsTest, buttonsFollowTheChoices) {
    EXPECT_EQ(enabled(), (std::array<bool, 4>{false, false, false, false}));
    EXPECT_FALSE(links->screen().secondaryShown);

    links->choosePrimary(row(links->screen().primaryEntries, "abd"));
    EXPECT_EQ(links->screen().secondaryEntries, QStringList({"abc  Members", "abe  Staff"}));
    EXPECT_EQ(enabled(), (std::array<bool, 4>{false, true, false, true}));

    const struct {
        const char* step;
        std::function<void()> act;
        std::array<bool, 4> expected;
    } steps[] = {
        {"one selected, no condition", [&] { links->toggleSecondary(0); }, {true, true, false, true}},
        {"condition chosen", [&] { links->chooseCondition(2); }, {true, true, true, true}},
        {"all selected", [&] { links->selectAll(); }, {true, false, true, true}},
        {"one toggled off", [&] { links->toggleSecondary(1); }, {true, true, true, true}},
        {"none selected", [&] { links->selectNone(); }, {false, true, false, true}},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(enabled(), s.expected) << s.step;
    }
}

TEST_F(LinkListsTest, thePrimaryListBecomesTheCurrentList) {
    session().currentListCode = "abe";
    session().definitions = std::make_shared<const DefinitionCache>();
    links->choosePrimary(row(links->screen().primaryEntries, "abc"));
    EXPECT_EQ(session().currentListCode, "abc");
    EXPECT_EQ(session().currentListTitle, "Members");
    EXPECT_EQ(session().definitions, nullptr);
}

TEST_F(LinkListsTest, processTellsTheCountsAndClearRemovesTheChains) {
    test::putHeadRows(session().access, {{recordKey("abc", 1), "Lee", "Ann"},
                                         {recordKey("abd", 1), "LEE", "ann"},
                                         {recordKey("abd", 2), "", ""}});
    links->choosePrimary(row(links->screen().primaryEntries, "abc"));
    links->toggleSecondary(row(links->screen().secondaryEntries, "abd"));
    links->chooseCondition(1);
    shell.prompter.messages.clear();

    links->process();

    EXPECT_EQ(shell.prompter.texts(), QStringList{"Links added: 1.  Rows skipped: 1."});
    EXPECT_EQ(links->screen().gaugeValue, links->screen().gaugeMaximum);
    EXPECT_EQ(test::chainOf(session().access, recordKey("abc", 1)), QStringList{recordKey("abd", 1)});

    links->clearLinks();
    EXPECT_FALSE(links->screen().clearEnabled);
    EXPECT_FALSE(session().access.FindRecord(kLinkSlot, recordKey("abc", 1) + "AA"));
}
