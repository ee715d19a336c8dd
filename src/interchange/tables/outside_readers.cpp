#include "interchange/tables/outside_readers.h"

#include "interchange/tables/child/access_tables.h"
#include "interchange/tables/child/child_table.h"
#include "interchange/tables/child/table_child.h"
#include "interchange/tables/dbase_table.h"
#include "interchange/tables/sqlite_table.h"

#include <QFile>

namespace vn {

namespace {

// A sibling's table file is a Paradox table or an SQLite data base; its first bytes tell which.
bool isSqliteFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArrayLiteral("SQLite format 3\0");
}

std::unique_ptr<ForeignTable> openTable(TableSource kind, const QString& path, const QString& table,
                                        ForeignProblem& problem) {
    switch (kind) {
    case TableSource::Sibling:
        if (isSqliteFile(path)) return openSqliteTable(path, problem);  // read in process, as the shell does
        [[fallthrough]];
    case TableSource::Paradox: return ChildTable::open({QStringLiteral("paradox"), path, QString(), QString()}, problem);
    case TableSource::DBase: return openDbaseTable(path, problem);  // our own reader: no child needed
    case TableSource::Access: break;
    }
    return ChildTable::open({QString::fromLatin1(kAccessKind), path, table, QString()}, problem);
}

QStringList listTables(const QString& path, ForeignProblem& problem) { return listAccessTables(path, problem); }

}  // namespace

ForeignReaders outsideTableReaders() { return {openTable, listTables}; }

}  // namespace vn
