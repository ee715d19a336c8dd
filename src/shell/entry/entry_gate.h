#pragma once

#include "platform/family/family_guard.h"
#include "shell/entry/entry_decision.h"
#include "shell/entry/run_flag.h"

#include <optional>

namespace vn {

class DriveMap;
class Prompter;

// Everything before the main window and after its loop: the family guard, the base, the
// network lock and this run's flag file. Keep it alive for the whole run; its end erases the
// flag file, then drops the family lock.
class EntryGate {
public:
    explicit EntryGate(const QString& runtimeFolder = familyRuntimeFolder());

    // The program's run, or a command that works on the tables without a window (it neither
    // answers nor asks for raising a window).
    enum class Run { Program, Command };

    // The exit status when the program must end now; nothing when it may start on base().
    std::optional<int> enter(const DriveMap& drives, Prompter& prompter, Run run = Run::Program);

    const QString& base() const { return m_base; }
    bool networkMode() const { return m_networkMode; }
    // Connect its raiseRequested() to the main window.
    FamilyGuard& guard() { return m_guard; }

private:
    bool runGuard(const FlagFiles& flags, Prompter& prompter, Run run);
    EntryVerdict createRunFlag(const QString& base);
    std::optional<int> refuse(EntryVerdict verdict, Prompter& prompter);

    bool lockDataSet(const QString& base, Prompter& prompter);

    FamilyGuard m_guard;
    // Held for the whole run, whatever the session or user: one copy per data set. Released
    // after the flag file is erased.
    FamilyLock m_dataSetLock;
    std::optional<RunFlag> m_flag;
    QString m_base;
    bool m_networkMode = false;
};

}  // namespace vn
