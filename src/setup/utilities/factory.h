#pragma once

#include "setup/maintenance/maintenance_tasks.h"
#include "setup/utilities/guard_attempts.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace vn {

class Prompter;
class RecordAccess;

// One table of the packing display.
struct PackingLine {
    QString table;
    qint64 readRecords = 0;
    int fields = 0;
    qint64 writtenRecords = 0;
};

// Everything the factory view shows.
struct FactoryScreen {
    bool open = false;          // the view is shown
    bool passwordShown = false;
    bool tasksShown = false;    // the task list, Process and the server buttons
    QStringList tasks;          // "n)   caption"
    int chosen = -1;
    bool processEnabled = false;
    bool focusExit = false;     // the password was taken: the focus goes to "Exit"
    bool packingShown = false;
    std::vector<PackingLine> packing;
    QString webHost;            // the central web service's address now set
};

struct FactoryHooks {
    std::function<void()> orderlyExit;
    std::function<void()> reloadSettings;
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

// The central web service's addresses the two server buttons set (build settings).
QString testServerAddress();
QString productionServerAddress();

// The rules of the "Factory" view: the warning, the password, the task list and its runs.
class Factory {
public:
    Factory(RecordAccess& access, Prompter& prompter, KeyOrigin origin, FactoryHooks hooks);

    void open();  // the warning; Cancel shows the password box
    void leavePassword(const QString& typed);
    void chooseTask(int row);
    // Asks the chosen task's question, runs it and tells what it did. The step moves the gauge.
    void process(const MaintenanceStep& step = {});
    void setWebHost(const QString& address);
    void exitProgram();  // the orderly shutdown
    void close();

    const FactoryScreen& screen() const { return m_screen; }

private:
    void showTasks();
    void tell(const MaintenanceTask& task, const TaskOutcome& outcome);

    RecordAccess& m_access;
    Prompter& m_prompter;
    KeyOrigin m_origin;
    FactoryHooks m_hooks;
    GuardAttempts m_attempts;
    FactoryScreen m_screen;
};

// "Records deleted: 3.  Settings reset: 2."
QString outcomeSummary(const TaskOutcome& outcome);

}  // namespace vn
