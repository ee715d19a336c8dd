#include "requests/builder/request_menu.h"

namespace vn {

const QList<RequestMenuEntry>& requestMenuEntries() {
    using K = RequestKind;
    using F = EmailFilter;
    static const QList<RequestMenuEntry> entries = {
        {"Count", "actionCount", K::Count, F::All, false, true},
        {"List", "actionList", K::List, F::All, false, true},
        {"Labels", "actionLabels", K::Labels, F::All, false, true},
        {"Email", "actionEmail", K::Email, F::WithAddress, true, true},
        {"Missing Email Labels", "actionMissingEmailLabels", K::Labels, F::WithoutAddress, true, true},
        {"Report", "actionReport", K::Report, F::All, false, true},
        {"Mail Merge", "actionMailMerge", K::MailMerge, F::All, false, true},
        {"Select Records for Transmission", "actionTransmission", K::Transmit, F::All, false, true},
        {"Math Operations", "actionMathOperations", K::Calculate, F::All, false, true},
        {"Checks", "actionChecks", K::WriteChecks, F::All, false, true},
        {"Memo Printing", "actionMemoPrinting", K::MemoPrinting, F::All, false, true},
    };
    return entries;
}

bool requestEntryEnabled(const RequestMenuEntry& entry, bool mailSetUp) {
    return entry.hasOutput && (mailSetUp || !entry.needsMail);
}

QString requestEntryToolTip(const RequestMenuEntry& entry, bool mailSetUp) {
    if (!entry.hasOutput) return kNotYetAvailable;
    if (entry.needsMail && !mailSetUp) return QStringLiteral("Set up an e-mail access method first (Setup Email).");
    return {};
}

}  // namespace vn
