#include "shell/entry/entry_gate.h"

#include "platform/drive_map.h"
#include "platform/family/flag_files.h"
#include "platform/prompter.h"
#include "store/files/folder_tree.h"
#include "store/files/installation.h"

#include <QDir>

namespace vn {

EntryGate::EntryGate(const QString& runtimeFolder) : m_guard(runtimeFolder) {}

std::optional<int> EntryGate::enter(const DriveMap& drives, Prompter& prompter, Run run) {
    m_guard.acquire(run == Run::Program);
    const std::optional<QString> base = findBaseLocation(drives);
    const FlagFiles flags = FlagFiles::inFolder(base.value_or(QString()));
    const bool anotherCopy = runGuard(flags, prompter, run);
    m_networkMode = flags.contains(QString::fromLatin1(kNetworkFlag));
    EntryVerdict verdict = decideEntry(
        {base.has_value(), m_networkMode, anotherCopy, flags.contains(QString::fromLatin1(kOpenUserFlag))});
    if (verdict == EntryVerdict::Proceed && !lockDataSet(*base, prompter)) return exitStatus(EntryVerdict::AnotherCopy);
    if (verdict == EntryVerdict::Proceed) verdict = createRunFlag(*base);
    if (verdict != EntryVerdict::Proceed) return refuse(verdict, prompter);
    m_base = *base;
    return std::nullopt;
}

bool EntryGate::runGuard(const FlagFiles& flags, Prompter& prompter, Run run) {
    const FamilyVerdict family = m_guard.verdict(flags);
    if (family.anotherCopy) {
        prompter.beep();
        prompter.warning(family.warning, Buttons::Ok);
        if (run == Run::Program) m_guard.raiseRunningCopy();
    }
    return family.anotherCopy;
}

bool EntryGate::lockDataSet(const QString& base, Prompter& prompter) {
    const QString path = QDir(FolderTree(base).dataFolder()).filePath(QStringLiteral("Varnedo.lock"));
    // Without the data folder the start fails later with its own message.
    if (m_dataSetLock.tryAcquire(path) != FamilyLock::State::HeldElsewhere) return true;
    prompter.beep();
    prompter.warning(runningCopyWarning(kThisProduct), Buttons::Ok);
    return false;
}

EntryVerdict EntryGate::createRunFlag(const QString& base) {
    m_flag.emplace(base, runFlagName(m_networkMode), m_networkMode);
    switch (m_flag->status()) {
    case RunFlag::Status::Created: return EntryVerdict::Proceed;
    case RunFlag::Status::AlreadyExists: return EntryVerdict::SharedInUse;  // another start won the race
    case RunFlag::Status::Failed: break;
    }
    return EntryVerdict::FlagNotCreated;
}

std::optional<int> EntryGate::refuse(EntryVerdict verdict, Prompter& prompter) {
    const QString detail = m_flag ? m_flag->path() + QStringLiteral(": ") + m_flag->error() : QString();
    const QString text = refusalText(verdict, detail);
    if (!text.isEmpty()) {
        prompter.beep();
        prompter.error(text, Buttons::Cancel);
    }
    return exitStatus(verdict);
}

}  // namespace vn
