#pragma once

#include <QString>

namespace vn {

// The saved copy of the live database. Beside it a stamp records the state of both files the
// moment the exit checked the live file and wrote the copy; while neither file has changed
// since, the two are equal, the check still holds, and a start need not copy anything.
enum class SavedCopyState {
    Differs,
    SameBytes,  // equal, found by reading both (no stamp that fits): not known to be checked
    Stamped,    // equal and checked when written
};
SavedCopyState compareWithSavedCopy(const QString& live, const QString& saved);

// Checks the live database (the engine's quick check and every table's columns), then writes
// the saved copy through a temporary file and stamps the pair. Throws StoreError naming the
// damaged file or the cause; the previous saved copy is then left as it was.
void writeSavedCopy(const QString& live, const QString& saved);

// The stamp of a saved copy that is about to change or go.
void forgetSavedCopyStamp(const QString& saved);

}  // namespace vn
