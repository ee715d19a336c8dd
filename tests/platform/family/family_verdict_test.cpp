#include "platform/family/family_verdict.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(FamilyVerdict, TheFirstMarkerInPriorityOrderNamesTheRunningMember) {
    struct Case {
        QStringList files;
        int member;
    };
    const Case cases[] = {
        {{}, 0},
        {{"Openuser.flg", "CSN.flg"}, 0},
        {{"ProgGV.flg"}, 1},
        {{"ProgKV.flg", "ProgGV.flg"}, 2},
        {{"ProgGV.flg", "ProgPV.flg"}, 3},
        {{"ProgPV.flg", "ProgVN.flg", "ProgKV.flg"}, 4},
        {{"ProgVN.flg", "ProgCL.flg"}, 5},
        {{"PROGvn.FLG"}, 4},
        {{"ProgVN.flg.bak", "xProgCL.flg"}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runningMember(FlagFiles(c.files)), c.member) << c.files.join(' ').toStdString();
}

TEST(FamilyVerdict, WarningNamesTheRunningMember) {
    const auto other = [](const QString& name) {
        return "A Copy of " + name + " is running.\r\r" + name + " must be closed before Varnedo can be run.";
    };
    const QString expected[] = {other("[Openuser.flg]"), other("Grovanta"), other("KOVRA"), other("Pavilo"),
                                "A Copy of Varnedo is currently running.", other("Corvello")};
    for (int member = 0; member < 6; ++member) EXPECT_EQ(runningCopyWarning(member), expected[member]) << member;
}

TEST(FamilyVerdict, AnotherCopyRunsWhenTheLockIsTakenOrTheOpenUserFlagIsThere) {
    struct Case {
        bool lockHeldElsewhere;
        QStringList files;
        bool anotherCopy;
        QString warning;
    };
    const QString varnedo = "A Copy of Varnedo is currently running.";
    const QString openUser = runningCopyWarning(0);
    const Case cases[] = {
        {false, {}, false, {}},
        {false, {"ProgVN.flg"}, false, {}},  // a crashed copy's marker alone blocks nothing
        {false, {"OpenUser.flg"}, true, openUser},
        {false, {"OPENUSER.FLG", "ProgVN.flg"}, true, varnedo},
        {true, {}, true, openUser},
        {true, {"ProgVN.flg"}, true, varnedo},
    };
    for (const Case& c : cases) {
        const FamilyVerdict verdict = judgeFamily(c.lockHeldElsewhere, FlagFiles(c.files));
        EXPECT_EQ(verdict.anotherCopy, c.anotherCopy) << c.files.join(' ').toStdString();
        EXPECT_EQ(verdict.warning, c.warning) << c.files.join(' ').toStdString();
    }
}

TEST(FlagFiles, FolderNamesMatchInAnyCase) {
    test::TempFolder base;
    for (const char* name : {"openUSER.flg", "ProgPv.FLG"}) QFile(base.file(name)).open(QIODevice::WriteOnly);
    const FlagFiles flags = FlagFiles::inFolder(base.path());
    EXPECT_TRUE(flags.contains(kOpenUserFlag));
    EXPECT_EQ(runningMember(flags), 3);
    EXPECT_FALSE(flags.contains("CSN.flg"));
    // No base is not the working folder.
    const QString working = QDir::currentPath();
    QDir::setCurrent(base.path());
    EXPECT_FALSE(FlagFiles::inFolder({}).contains(kOpenUserFlag));
    QDir::setCurrent(working);
}

}  // namespace
