#pragma once

#include "requests/stored/request_rows.h"

#include <optional>

namespace vn {

class RecordAccess;
struct TableDef;

// What a table's rows hold: the fields before Delta and their declared sizes.
RowLayout rowLayout(const TableDef& table);
RowLayout rowLayout(RecordAccess& access, int slot);
RequestRowLayouts requestRowLayouts(RecordAccess& access);

// One row as text: fields 0 to Delta - 1 of the slot's current record.
RowFields readCurrentRow(RecordAccess& access, int slot);

// Writes the request's Queu row under the key and, for Report and MailMerge, its Pinf and Sinf
// rows; rows that exist already are overwritten field by field. Everything is encoded and
// checked first (encodeRequestRows), then written in one transaction: a refused request throws
// StoreError and leaves the tables as they were.
void writeStoredRequest(RecordAccess& access, const QString& key, const SqlRequest& request);

// Reads the stored request with the key; nullopt when Queu has no row with it. For Report and
// MailMerge the Pinf and Sinf rows are read when they exist. A refused row throws StoreError
// naming the table, the key and the field (decodeRequestRows).
std::optional<StoredRequest> readStoredRequest(RecordAccess& access, const QString& key);

}  // namespace vn
