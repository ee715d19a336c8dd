#pragma once

#include "interchange/tables/foreign_table.h"

#include <QStringList>

#include <memory>

namespace vn {

// Access data bases (.mdb, .accdb) read in this process through mdbtools; run in the table child
// only (child/table_child.h), as a damaged file can crash the library. Nothing is written.

// The table `table` with every row read and checked first, or null with problem naming the file
// and the table or row that is wrong. A data base with a password is refused.
[[nodiscard]] std::unique_ptr<ForeignTable> openAccessTable(const QString& path, const QString& table,
                                                            ForeignProblem& problem);

// The names of the user tables, system tables left out; problem set when the file cannot be read.
QStringList accessTableNames(const QString& path, ForeignProblem& problem);

}  // namespace vn
