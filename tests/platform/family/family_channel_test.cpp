#include "event_loop_support.h"
#include "platform/family/family_channel.h"
#include "support/temp_folder.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <gtest/gtest.h>

using namespace vn;
using namespace std::chrono_literals;

namespace {

class FamilyChannel : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApplication();
        QObject::connect(&listener, &FamilyListener::raiseRequested, [this] { ++raises; });
    }

    test::TempFolder folder;
    const QString socket = folder.file("family.sock");
    FamilyListener listener;
    int raises = 0;
};

TEST_F(FamilyChannel, RaiseRequestIsSignalledAndAnswered) {
    ASSERT_TRUE(listener.listen(socket));
    bool answered = false;
    ASSERT_TRUE(test::runOnClientThread([&] { answered = requestRaise(socket, 30s); }));
    EXPECT_TRUE(answered);
    EXPECT_EQ(raises, 1);
}

TEST_F(FamilyChannel, AnythingElseIsDroppedWithoutAnswer) {
    ASSERT_TRUE(listener.listen(socket));
    for (const QByteArray& request : {QByteArray("hello\n"), QByteArray("raise now\n"), QByteArray(200, 'r')}) {
        QByteArray reply = "none";
        ASSERT_TRUE(test::runOnClientThread([&] {
            QLocalSocket client;
            client.connectToServer(socket);
            if (!client.waitForConnected(30000)) return;
            client.write(request);
            client.flush();
            client.waitForDisconnected(30000);
            reply = client.readAll();
        }));
        EXPECT_EQ(reply, QByteArray()) << request.constData();
    }
    EXPECT_EQ(raises, 0);
}

TEST_F(FamilyChannel, StarterNeverWaitsPastItsTimeout) {
    EXPECT_FALSE(requestRaise(socket, 30s));  // nobody listens
    QLocalServer hung;  // accepts, but its thread never serves
    ASSERT_TRUE(hung.listen(folder.file("hung.sock")));
    EXPECT_FALSE(requestRaise(folder.file("hung.sock"), 100ms));
}

}  // namespace
