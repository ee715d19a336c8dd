#include "event_loop_support.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

namespace vn::test {

void ensureCoreApplication() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

bool runOnClientThread(const std::function<void()>& client) {
    std::unique_ptr<QThread> thread(QThread::create(client));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    const bool finished = thread->isFinished();
    thread->wait();  // every client bounds its own waits
    return finished;
}

}  // namespace vn::test
