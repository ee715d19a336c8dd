#pragma once

#include "interchange/fields/field_ref.h"
#include "interchange/tables/new_table_writer.h"

#include <QList>
#include <QString>

namespace vn {

// A field of the new table: the list field it takes its values from, its caption in the views,
// and its name in the table.
struct StructureEntry {
    QString caption;
    FieldRef field;
    QString name;
};

// The fields of a new table in order, each a field of the list (never a caption, so a page field
// captioned like a header field, or two page fields captioned alike, each export their own
// values). A field enters once; names follow the format's rules and stay unique.
class TableStructure {
public:
    explicit TableStructure(TableFormat format) : m_format(format) {}

    // false: the field is in the structure already.
    bool add(const QString& caption, FieldRef field);
    void remove(int index);
    void clear() { m_entries.clear(); }

    bool isEmpty() const { return m_entries.isEmpty(); }
    const QList<StructureEntry>& entries() const { return m_entries; }
    QList<FieldRef> fields() const;
    // The table's fields: "Key", then one per entry.
    QList<NewTableField> tableFields() const;

private:
    void rename();

    TableFormat m_format;
    QList<StructureEntry> m_entries;
};

}  // namespace vn
