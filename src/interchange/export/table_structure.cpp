#include "interchange/export/table_structure.h"

#include "interchange/export/table_field_names.h"

namespace vn {

bool TableStructure::add(const QString& caption, FieldRef field) {
    if (fields().contains(field)) return false;
    m_entries.append({caption, field, {}});
    rename();
    return true;
}

void TableStructure::remove(int index) {
    if (index < 0 || index >= m_entries.size()) return;
    m_entries.removeAt(index);
    rename();
}

QList<FieldRef> TableStructure::fields() const {
    QList<FieldRef> out;
    for (const StructureEntry& entry : m_entries) out << entry.field;
    return out;
}

QList<NewTableField> TableStructure::tableFields() const {
    QList<NewTableField> out{{QStringLiteral("Key"), kTableKeySize}};
    for (const StructureEntry& entry : m_entries) out.append({entry.name, kTableValueSize});
    return out;
}

// Names depend on the entries before them, so a removal may free a name for a later entry.
void TableStructure::rename() {
    QStringList captions;
    for (const StructureEntry& entry : m_entries) captions << entry.caption;
    const QStringList names = tableFieldNames(m_format, captions);
    for (qsizetype i = 0; i < m_entries.size(); ++i) m_entries[i].name = names[i];
}

}  // namespace vn
