#pragma once

#include <QString>

namespace vn {

class RecordAccess;

// Writes 1, 2, 3 ... into field 1 of the counties in key order.
void NumberCounties(RecordAccess& access);

// Copies the state cities of one county into the county city table, emptying it first when told.
// Existing county cities with the same key are overwritten; others are kept.
void CopyCountyCities(RecordAccess& access, const QString& countyCode, bool clear);

}  // namespace vn
