#include "shell/entry/run_flag.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vn;

namespace {

void writeFile(const QString& path, const QByteArray& content = {}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

TEST(RunFlag, ExistsForTheRunAndIsErasedAtItsEnd) {
    test::TempFolder base;
    for (bool exclusive : {true, false}) {
        {
            const RunFlag flag(base.path(), "Openuser.flg", exclusive);
            EXPECT_EQ(flag.status(), RunFlag::Status::Created);
            EXPECT_TRUE(QFileInfo::exists(base.file("Openuser.flg")));
        }
        EXPECT_FALSE(QFileInfo::exists(base.file("Openuser.flg"))) << exclusive;
    }
}

TEST(RunFlag, ExclusiveCreationRefusesAFlagInAnySpellingAndLeavesIt) {
    test::TempFolder base;
    writeFile(base.file("OpenUser.flg"));
    {
        const RunFlag flag(base.path(), "Openuser.flg", true);
        EXPECT_EQ(flag.status(), RunFlag::Status::AlreadyExists);
    }
    EXPECT_TRUE(QFileInfo::exists(base.file("OpenUser.flg")));
}

TEST(RunFlag, OfTwoRacingStartsOnlyOneWinsAndTheLoserKeepsItsHandsOff) {
    test::TempFolder base;
    const RunFlag first(base.path(), "Openuser.flg", true);
    {
        const RunFlag second(base.path(), "Openuser.flg", true);
        EXPECT_EQ(first.status(), RunFlag::Status::Created);
        EXPECT_EQ(second.status(), RunFlag::Status::AlreadyExists);
    }
    EXPECT_TRUE(QFileInfo::exists(base.file("Openuser.flg")));
}

TEST(RunFlag, LocalFlagLeftByACrashIsTakenOver) {
    test::TempFolder base;
    writeFile(base.file("progvn.FLG"), "left behind");
    {
        const RunFlag flag(base.path(), "ProgVN.flg", false);
        EXPECT_EQ(flag.status(), RunFlag::Status::Created);
        EXPECT_EQ(flag.path(), base.file("progvn.FLG"));
    }
    EXPECT_FALSE(QFileInfo::exists(base.file("progvn.FLG")));
}

TEST(RunFlag, FailureToCreateCarriesTheReason) {
    test::TempFolder base;
    for (bool exclusive : {true, false}) {
        const RunFlag flag(base.file("missing"), "Openuser.flg", exclusive);
        EXPECT_EQ(flag.status(), RunFlag::Status::Failed) << exclusive;
        EXPECT_FALSE(flag.error().isEmpty()) << exclusive;
    }
}

}  // namespace
