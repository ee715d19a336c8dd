#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace vn {

class Database;

// One value as the engine stored it, whatever its column declares.
struct StoredValue {
    enum class Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Kind::Null;
    qint64 integer = 0;
    double real = 0;
    QByteArray bytes;  // text as UTF-8, or a blob's bytes
};

struct DeclaredColumn {
    QString name;
    QString type;  // as the table's CREATE statement wrote it, maybe empty
};

// The columns of a table in the file's order.
QList<DeclaredColumn> declaredColumns(Database& db, const QString& table);

// Every row of a table ordered by its first column, each value as stored: for files of other
// programs, whose columns need not hold what they declare.
void readStoredRows(Database& db, const QString& table, const std::function<void(const QList<StoredValue>&)>& row);

}  // namespace vn
