#pragma once

#include "interchange/tables/foreign_table.h"

#include <QStringList>

namespace vn {

// The user tables of an Access data base, read by a table child (child_table.h) so that mdbtools
// never runs in the program; problem set, naming the file, when it cannot be read. `program` as
// in ChildTableRequest: empty for this program itself.
QStringList listAccessTables(const QString& path, ForeignProblem& problem, const QString& program = QString());

}  // namespace vn
