#pragma once

#include "interchange/tables/foreign_table.h"

#include <memory>

namespace vn {

// The one table of another product's SQLite file, opened read only (nothing written beside the
// file either, so a read-only folder will do). Its columns typed by their declarations, its rows in
// the order of the first column, all read when opened. Nothing with problem set (naming the file)
// when the file is no database or holds no table or several.
std::unique_ptr<ForeignTable> openSqliteTable(const QString& path, ForeignProblem& problem);

}  // namespace vn
