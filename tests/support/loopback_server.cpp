#include "support/loopback_server.h"

namespace vn::test {

namespace {
constexpr int kStartMs = 20000;
}

LoopbackServer::LoopbackServer(const QString& script, const QStringList& arguments) {
    m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{script} + arguments);
    if (!m_process.waitForStarted(kStartMs)) return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(kStartMs)) {
    }
    m_port = m_process.readLine().trimmed().toInt();
}

LoopbackServer::~LoopbackServer() {
    m_process.closeWriteChannel();  // the server stops when its input ends
    if (!m_process.waitForFinished(kStartMs)) m_process.kill();
}

}  // namespace vn::test
