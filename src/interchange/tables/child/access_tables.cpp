#include "interchange/tables/child/access_tables.h"

#include "interchange/tables/child/child_table.h"
#include "interchange/tables/child/table_child.h"

namespace vn {

QStringList listAccessTables(const QString& path, ForeignProblem& problem, const QString& program) {
    const auto names = ChildTable::open({QString::fromLatin1(kAccessListKind), path, QString(), program}, problem);
    if (!names) return {};
    QStringList list;
    QStringList row;
    while (names->nextRow(row, problem)) list.append(row.value(0));
    return problem.message.isEmpty() ? list : QStringList();
}

}  // namespace vn
