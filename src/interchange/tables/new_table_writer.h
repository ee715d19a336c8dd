#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace vn {

// The outside table formats a list can be exported into.
enum class TableFormat { Paradox, Dbase };

inline constexpr int kTableKeySize = 18;    // "Key": a record key
inline constexpr int kTableValueSize = 30;  // every exported field

// A character field of a new table; the name is legal for the format (see table_field_names.h).
struct NewTableField {
    QString name;
    int size = kTableValueSize;
};

// Writes one new table: its members are written under temporary names in the table's folder and
// take the table's names only on commit(), so a failure or a cancelled run leaves the table that
// was there (or none) and no half-filled one. Failures throw StoreError naming the file.
class NewTableWriter {
public:
    virtual ~NewTableWriter() = default;  // without commit() the temporary members are removed

    // path: the table's main member (NAME.db, NAME.dbf); the fields in order, "Key" first.
    virtual void create(const QString& path, const QList<NewTableField>& fields) = 0;
    // One row in key order: a Windows-1252 value per field, none longer than its field.
    virtual void addRow(const QList<QByteArray>& values) = 0;
    virtual void commit() = 0;
};

// Makes a writer for a format: every format has one.
using NewTableWriterFactory = std::function<std::unique_ptr<NewTableWriter>(TableFormat)>;

}  // namespace vn
