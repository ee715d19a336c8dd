#include "shell/entry/entry_decision.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(EntryDecision, LocalModeFollowsTheGuardNetworkModeTheOpenUserFlag) {
    struct Case {
        const char* name;
        EntryFacts facts;
        EntryVerdict verdict;
    };
    const Case cases[] = {
        {"no base", {false, false, false, false}, EntryVerdict::NoBase},
        {"no base, another copy", {false, false, true, true}, EntryVerdict::NoBase},
        {"local, alone", {true, false, false, false}, EntryVerdict::Proceed},
        {"local, another copy", {true, false, true, false}, EntryVerdict::AnotherCopy},
        {"local, stale open-user flag", {true, false, true, true}, EntryVerdict::AnotherCopy},
        {"network, alone", {true, true, false, false}, EntryVerdict::Proceed},
        {"network, guard warned only", {true, true, true, false}, EntryVerdict::Proceed},
        {"network, in use", {true, true, false, true}, EntryVerdict::SharedInUse},
        {"network, twice on one machine", {true, true, true, true}, EntryVerdict::SharedInUse},
    };
    for (const Case& c : cases) EXPECT_EQ(decideEntry(c.facts), c.verdict) << c.name;
}

TEST(EntryDecision, RefusalsEndWithTheirOwnNonZeroStatusAndText) {
    EXPECT_EQ(refusalText(EntryVerdict::NoBase),
              "Application Base (or networked mapped) Drive Can Not Be Found!\r\r"
              "Verify that a full system installation has been done.  An upgrade executable will not run alone.");
    EXPECT_EQ(refusalText(EntryVerdict::SharedInUse),
              "This (or another) Halvorin application has been opened\rlocally (or on the network) by another user!");
    EXPECT_EQ(refusalText(EntryVerdict::AnotherCopy), "");  // the guard has already spoken
    EXPECT_TRUE(refusalText(EntryVerdict::FlagNotCreated, "/srv/vn/ProgVN.flg: Permission denied")
                    .contains("/srv/vn/ProgVN.flg: Permission denied"));

    // 1 refused or failed, 3 the program is running (here or on the shared base).
    EXPECT_EQ(exitStatus(EntryVerdict::NoBase), 1);
    EXPECT_EQ(exitStatus(EntryVerdict::FlagNotCreated), 1);
    EXPECT_EQ(exitStatus(EntryVerdict::AnotherCopy), 3);
    EXPECT_EQ(exitStatus(EntryVerdict::SharedInUse), 3);
}

TEST(EntryDecision, SharedBaseIsLockedByTheOpenUserFlag) {
    EXPECT_EQ(runFlagName(true), "Openuser.flg");
    EXPECT_EQ(runFlagName(false), "ProgVN.flg");
}

}  // namespace
