#pragma once

#include "platform/printing/printout.h"
#include "requests/memo/memo_entries.h"
#include "requests/memo/memo_layout.h"

namespace vn {

inline const QString kMemoPdfFileName = QStringLiteral("MP.pdf");

// The chosen memos read afresh: each record's memo text whole and its document name; a record
// or page row no longer there reads as empty.
MemoPrintout readMemoPrintout(RecordAccess& access, const QString& listCode, const QStringList& memoNames,
                              const QList<MemoEntry>& chosen);

Printout memoPrintout(MemoPrintout memos);

// Writes the memos as an A4 portrait PDF of 72 dots an inch (a unit is a point), whole or not
// at all: a file already there stays as it was on failure. Returns the system's reason it
// failed, empty on success.
[[nodiscard]] QString writeMemoPdf(const MemoPrintout& memos, const QString& path);

}  // namespace vn
