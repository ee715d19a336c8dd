#pragma once

#include <QString>

namespace vn {

class RecordAccess;

// Copies every field after the key of the row `from` into the row `to`, made when missing.
// Returns false, copying nothing, when `from` has no row.
bool copyRow(RecordAccess& access, int slot, const QString& from, const QString& to);

}  // namespace vn
