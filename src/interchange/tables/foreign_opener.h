#pragma once

#include "interchange/tables/foreign_table.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace vn {

// The kinds of outside tables an import reads. A sibling product's table file is read by its
// content (Paradox, or its own data base format).
enum class TableSource { Paradox, DBase, Access, Sibling };

// Opens one table read only: a file (Paradox, dBase, a sibling's), or the table `table` of an
// Access data base. Null, with the problem set (naming the file), when it cannot be read.
using ForeignTableOpener = std::function<std::unique_ptr<ForeignTable>(TableSource kind, const QString& path,
                                                                       const QString& table, ForeignProblem& problem)>;
// The user tables of an Access data base, system tables left out; problem set when it cannot be read.
using ForeignTableLister = std::function<QStringList(const QString& path, ForeignProblem& problem)>;

struct ForeignReaders {
    ForeignTableOpener open;
    ForeignTableLister listTables;
};

}  // namespace vn
