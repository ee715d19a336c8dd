#pragma once

#include <QList>
#include <QString>

namespace vn {

// A field of a table: text with a declared size in characters, or a memo (long text).
struct FieldDef {
    QString name;
    int size = 0;        // characters; 0 for a memo
    bool memo = false;
};

// A secondary index: its name and the field numbers it orders by (the key breaks ties).
struct IndexDef {
    QString name;
    QList<int> fields;
};

// A table's layout: field 0 is the text primary key.
struct TableDef {
    QString name;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    int fieldNumber(const QString& fieldName) const;
};

inline FieldDef textField(const QString& name, int size) { return {name, size, false}; }
inline FieldDef memoField(const QString& name) { return {name, 0, true}; }

}  // namespace vn
