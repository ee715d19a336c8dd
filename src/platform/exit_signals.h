#pragma once

#include <QObject>

class QSocketNotifier;

namespace vn {

// SIGTERM, SIGINT and SIGHUP turn into a signal on the event loop, so the program can end in
// order instead of dying with unsaved tables.
class ExitSignals : public QObject {
    Q_OBJECT
public:
    // Catches the exit signals from now on. Call it first thing, before any flag file exists:
    // a signal that comes before the event loop is kept and delivered later, never lost.
    static void install();

    // Needs the application object; delivers what was caught since install().
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

    // An exit signal has come, whether or not anybody was listening then.
    bool requested();

signals:
    void exitRequested(int signalNumber);

private:
    void readSignal();
    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
};

}  // namespace vn
