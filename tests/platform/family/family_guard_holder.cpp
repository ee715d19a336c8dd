// Holds the family guard until asked to the front: prints "holding" once the lock is its own,
// "raised" when a later start asks for the front, then quits. Prints "busy" when the lock is taken.
#include "platform/family/family_guard.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    vn::FamilyGuard guard;
    if (!guard.acquire()) {
        say("busy");
        return 1;
    }
    QObject::connect(&guard, &vn::FamilyGuard::raiseRequested, &app, [&app] {
        say("raised");
        QTimer::singleShot(0, &app, &QCoreApplication::quit);  // after the answer has gone out
    });
    say("holding");
    return app.exec();
}
