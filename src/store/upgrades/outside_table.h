#pragma once

#include "store/engine/table_def.h"

#include <QString>
#include <memory>

namespace vn {

class Database;

// Opens a database file a new version delivers, read only and without trusting its schema, and
// checks it: an intact SQLite file holding `table` as an ordinary table in the program's layout
// for it. Anything else throws a StoreError naming the file.
std::shared_ptr<Database> openOutsideTable(const QString& path, const QString& table);

// Copies every row of an outside table into `into` (a table of dst), field by field name, text
// cut to the destination's declared sizes. A row whose key exists in dst replaces its fields when
// replace is set, else it is left out. Returns the values cut.
qint64 copyOutsideRows(Database& src, const QString& table, Database& dst, const TableDef& into, bool replace);

}  // namespace vn
