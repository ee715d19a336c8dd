#pragma once

#include <QObject>

class QSocketNotifier;

namespace vn {

// SIGTERM, SIGINT and SIGHUP turn into a signal on the event loop, so the program can end in
// order instead of dying with unsaved tables.
class ExitSignals : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

signals:
    void exitRequested(int signalNumber);

private:
    void readSignal();
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace vn
