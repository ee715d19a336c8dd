#include "platform/family/family_channel.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QTimer>

namespace vn {

namespace {

constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "ok\n";
constexpr qint64 kLineLimit = 64;
constexpr int kPeerTimeoutMs = 5000;  // a client that never finishes its request is dropped

bool readLine(QLocalSocket& socket, QDeadlineTimer deadline) {
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > kLineLimit) return false;
        if (!socket.waitForReadyRead(int(deadline.remainingTime()))) return false;
    }
    return true;
}

}  // namespace

FamilyListener::FamilyListener(QObject* parent) : QObject(parent) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &FamilyListener::accept);
}

bool FamilyListener::listen(const QString& socketPath) {
    QLocalServer::removeServer(socketPath);
    return m_server.listen(socketPath);
}

void FamilyListener::accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        QTimer::singleShot(kPeerTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void FamilyListener::serve(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLineLimit) socket->abort();
        return;
    }
    if (socket->readLine(kLineLimit + 1) != kRequest) {
        socket->abort();
        return;
    }
    emit raiseRequested();
    socket->write(kAnswer);
    socket->flush();
    socket->disconnectFromServer();
}

bool requestRaise(const QString& socketPath, std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) return false;
    socket.write(kRequest);
    socket.flush();
    return readLine(socket, deadline) && socket.readLine(kLineLimit + 1) == kAnswer;
}

}  // namespace vn
