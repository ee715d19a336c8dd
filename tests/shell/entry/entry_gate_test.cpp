#include "event_loop_support.h"
#include "platform/drive_map.h"
#include "shell/entry/entry_gate.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>

using namespace vn;

namespace {

// Drive C: holds an installation base; the family lock lives in a private runtime folder.
class EntryGateTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApplication();
        ASSERT_TRUE(QDir().mkpath(base() + "/vn") && QDir().mkpath(runtime()));
        touch("vn/vn.loc");
    }

    QString base() const { return drive.file("HLV"); }
    QString runtime() const { return drive.file("runtime"); }
    bool exists(const QString& name) const { return QFileInfo::exists(base() + "/" + name); }
    void touch(const QString& name) const { QFile(base() + "/" + name).open(QIODevice::WriteOnly); }

    // Another copy of the family holding the lock (it does not answer raise requests).
    void runAnotherCopy() { ASSERT_EQ(otherCopy.tryAcquire(familyLockPath(runtime())), FamilyLock::State::Held); }

    std::optional<int> enter() {
        gate = std::make_unique<EntryGate>(runtime());
        return gate->enter(DriveMap(drive.path()), prompter);
    }

    test::TempFolder drive;
    test::RecordingPrompter prompter;
    FamilyLock otherCopy;
    std::unique_ptr<EntryGate> gate;
};

TEST_F(EntryGateTest, LocalRunMarksItselfUntilItEnds) {
    EXPECT_EQ(enter(), std::nullopt);
    EXPECT_EQ(gate->base(), base());
    EXPECT_FALSE(gate->networkMode());
    EXPECT_TRUE(gate->guard().holdsLock());
    EXPECT_TRUE(exists("ProgVN.flg"));
    EXPECT_TRUE(prompter.messages.isEmpty());
    gate.reset();
    EXPECT_FALSE(exists("ProgVN.flg"));
}

TEST_F(EntryGateTest, CrashedLocalRunNeverBlocksTheNextStart) {
    touch("ProgVN.flg");
    EXPECT_EQ(enter(), std::nullopt);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(EntryGateTest, NetworkRunHoldsTheOpenUserFlagUntilItEnds) {
    touch("csn.FLG");
    EXPECT_EQ(enter(), std::nullopt);
    EXPECT_TRUE(gate->networkMode());
    EXPECT_TRUE(exists("Openuser.flg"));
    EXPECT_FALSE(exists("ProgVN.flg"));
    gate.reset();
    EXPECT_FALSE(exists("Openuser.flg"));
}

struct Refusal {
    const char* name;
    QStringList flags;
    bool anotherCopy;
    QStringList texts;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class RefusedStart : public EntryGateTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedStart, WarnsEndsAndLeavesTheBaseAsItWas) {
    const Refusal& c = GetParam();
    for (const QString& flag : c.flags) touch(flag);
    if (c.anotherCopy) runAnotherCopy();
    const std::optional<int> status = enter();
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0);
    EXPECT_EQ(prompter.texts(), c.texts);
    EXPECT_EQ(prompter.beeps, c.texts.size());
    gate.reset();
    QStringList left = QDir(base()).entryList(QDir::Files), placed = c.flags;
    left.sort();
    placed.sort();
    EXPECT_EQ(left, placed);  // nothing created, nobody else's flag erased
}

const QString kOpenUserRuns = runningCopyWarning(0);
const QString kInUse = refusalText(EntryVerdict::SharedInUse);

INSTANTIATE_TEST_SUITE_P(
    EntryGate, RefusedStart,
    ::testing::Values(Refusal{"AnotherCopyHere", {"ProgVN.flg"}, true, {"A Copy of Varnedo is currently running."}},
                      Refusal{"StaleOpenUserFlag", {"OpenUser.flg"}, false, {kOpenUserRuns}},
                      Refusal{"SharedBaseInUse", {"CSN.flg", "Openuser.flg"}, false, {kOpenUserRuns, kInUse}},
                      Refusal{"TwiceOnOneMachine", {"CSN.flg", "Openuser.flg"}, true, {kOpenUserRuns, kInUse}}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(EntryGateTest, MissingBaseIsAnErrorAndCreatesNothing) {
    QDir(base()).removeRecursively();
    const std::optional<int> status = enter();
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0);
    EXPECT_EQ(prompter.texts(), QStringList{refusalText(EntryVerdict::NoBase)});
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(prompter.messages.first().kind, "error");
}

}  // namespace
