#include "shell/entry/entry_decision.h"

#include "platform/family/flag_files.h"

namespace vn {

EntryVerdict decideEntry(const EntryFacts& facts) {
    if (!facts.baseFound) return EntryVerdict::NoBase;
    if (!facts.networkMode && facts.anotherCopy) return EntryVerdict::AnotherCopy;
    if (facts.networkMode && facts.openUserPresent) return EntryVerdict::SharedInUse;
    return EntryVerdict::Proceed;
}

QString refusalText(EntryVerdict verdict, const QString& detail) {
    switch (verdict) {
    case EntryVerdict::NoBase:
        return QStringLiteral("Application Base (or networked mapped) Drive Can Not Be Found!\r\r"
                              "Verify that a full system installation has been done.  "
                              "An upgrade executable will not run alone.");
    case EntryVerdict::SharedInUse:
        return QStringLiteral("This (or another) Halvorin application has been opened\r"
                              "locally (or on the network) by another user!");
    case EntryVerdict::FlagNotCreated:
        return QStringLiteral("Cannot create %1").arg(detail);
    case EntryVerdict::Proceed:
    case EntryVerdict::AnotherCopy:
        break;
    }
    return {};
}

int exitStatus(EntryVerdict verdict) {
    constexpr int kRefused = 1, kRunning = 3;
    switch (verdict) {
    case EntryVerdict::AnotherCopy:
    case EntryVerdict::SharedInUse: return kRunning;
    case EntryVerdict::NoBase:
    case EntryVerdict::FlagNotCreated:
    case EntryVerdict::Proceed: break;  // asked for a status although the start may go on: still not a normal end
    }
    return kRefused;
}

QString runFlagName(bool networkMode) {
    return QString::fromLatin1(networkMode ? kOpenUserFlag : kVarnedoRunningFlag);
}

}  // namespace vn
