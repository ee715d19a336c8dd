#pragma once

#include <QLocalServer>
#include <QObject>
#include <chrono>

class QLocalSocket;

namespace vn {

// The family message: the copy holding the family lock listens on a local socket; a second
// start sends one short request and waits a bounded time for the answer.
class FamilyListener : public QObject {
    Q_OBJECT
public:
    explicit FamilyListener(QObject* parent = nullptr);

    // Only the lock holder calls this, so a socket file already there is a crashed copy's.
    bool listen(const QString& socketPath);

signals:
    void raiseRequested();

private:
    void accept();
    void serve(QLocalSocket* socket);

    QLocalServer m_server;
};

// Asks the copy listening on socketPath to come to the front; true when it answered within
// the timeout. Never waits longer, whatever the peer does.
bool requestRaise(const QString& socketPath, std::chrono::milliseconds timeout);

}  // namespace vn
