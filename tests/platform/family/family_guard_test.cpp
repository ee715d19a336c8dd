#include "event_loop_support.h"
#include "platform/family/family_guard.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vn;
using namespace std::chrono_literals;

namespace {

// A family member running in its own process.
class Holder {
public:
    Holder() {
        m_process.setProgram(QStringLiteral(FAMILY_GUARD_HOLDER));
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Holder() {
        m_process.kill();
        m_process.waitForFinished(30000);
    }

    // Waits for a line of its output; false when it ends or stays silent too long.
    bool says(const QByteArray& line) {
        const QDeadlineTimer deadline(30s);
        while (!heard(line))
            if (!m_process.waitForReadyRead(int(deadline.remainingTime()))) return heard(line);
        return true;
    }

    QProcess& process() { return m_process; }

private:
    bool heard(const QByteArray& line) {
        m_output += m_process.readAllStandardOutput();
        return m_output.split('\n').contains(line);
    }

    QProcess m_process;
    QByteArray m_output;
};

class FamilyGuardProcesses : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApplication();
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // Both this process and the holder find the lock through the runtime folder.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ASSERT_EQ(familyRuntimeFolder(), runtime.path());
    }

    QTemporaryDir runtime;
};

TEST_F(FamilyGuardProcesses, LaterStartSeesTheLockAndRaisesTheRunningCopy) {
    Holder first;
    ASSERT_TRUE(first.says("holding"));
    FamilyGuard second(familyRuntimeFolder(), 30s);
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(second.lockHeldElsewhere());
    EXPECT_TRUE(second.verdict(FlagFiles()).anotherCopy);
    EXPECT_TRUE(second.raiseRunningCopy());
    EXPECT_TRUE(first.says("raised"));
    EXPECT_TRUE(first.process().waitForFinished(30000));
}

TEST_F(FamilyGuardProcesses, KilledCopyNeverBlocksTheNextStart) {
    Holder crashed;
    ASSERT_TRUE(crashed.says("holding"));
    crashed.process().kill();
    ASSERT_TRUE(crashed.process().waitForFinished(30000));
    ASSERT_TRUE(QFileInfo::exists(familySocketPath(runtime.path())));  // left behind by the crash

    FamilyGuard next(familyRuntimeFolder(), 30s);
    ASSERT_TRUE(next.acquire());
    EXPECT_FALSE(next.verdict(FlagFiles()).anotherCopy);
    int raises = 0;
    QObject::connect(&next, &FamilyGuard::raiseRequested, [&] { ++raises; });
    bool answered = false;
    ASSERT_TRUE(test::runOnClientThread([&] { answered = requestRaise(familySocketPath(runtime.path()), 30s); }));
    EXPECT_TRUE(answered);
    EXPECT_EQ(raises, 1);
}

TEST_F(FamilyGuardProcesses, HolderHereKeepsOtherProcessesOut) {
    FamilyGuard only(familyRuntimeFolder(), 30s);
    ASSERT_TRUE(only.acquire());
    EXPECT_FALSE(only.raiseRunningCopy());  // nobody else to ask
    Holder later;
    EXPECT_TRUE(later.says("busy"));
}

}  // namespace
