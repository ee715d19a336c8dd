#include "interchange/export/export_values.h"

#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/engine/table.h"
#include "store/catalogue/slots.h"

#include <array>
#include <optional>

namespace vn {

namespace {

constexpr int kItemPositionField = 1;

}  // namespace

ExportValueReader::ExportValueReader(RecordAccess& access, QString listCode, QList<OrderEntry> order,
                                     SelectionOutput selection, Reading reading)
    : m_access(access), m_listCode(std::move(listCode)), m_order(std::move(order)), m_selection(selection) {
    if (reading != Reading::InKeyOrder) return;
    for (int source = 0; source <= kPageCount; ++source)
        m_followers[source].emplace(access.catalogue().table(FieldRef{source, 0}.tableSlot()));
}

bool ExportValueReader::findRow(int source, const QString& key) {
    if (m_followers[source]) return m_followers[source]->find(key);
    return m_access.FindRecord(FieldRef{source, 0}.tableSlot(), key);
}

QStringList ExportValueReader::values(const QString& key) {
    // Each table is looked up once a record; its current row then serves every field read from it.
    std::array<std::optional<bool>, kPageCount + 1> found;
    QStringList values;
    values.reserve(m_order.size());
    for (const OrderEntry& entry : m_order) {
        const int source = entry.field.source;
        if (source < 0 || source > kPageCount) {
            values << QString();
            continue;
        }
        const int slot = entry.field.tableSlot();
        if (!found[source]) found[source] = findRow(source, key);
        if (!*found[source]) values << QString();
        else values << (entry.field.isHeader() ? m_access.GetFieldText(slot, entry.field.column) : pageValue(entry));
    }
    return values;
}

QString ExportValueReader::pageValue(const OrderEntry& entry) {
    const QString stored = m_access.GetFieldText(entry.field.tableSlot(), entry.field.column);
    if (!entry.hasList || m_selection != SelectionOutput::Index || stored.isEmpty()) return stored;
    return itemPosition(entry, stored);
}

// The item's display position when the value is an item of the field's list, else the value. The
// list code of a Selc key may come in any case; the item's text must match exactly.
QString ExportValueReader::itemPosition(const OrderEntry& entry, const QString& stored) {
    const QString key = selectionListPrefix(m_listCode, entry.field.source, entry.field.column) + stored;
    const auto cached = m_positions.constFind(key);
    if (cached != m_positions.constEnd()) return *cached;
    QString value = stored;
    for (const QString& itemKey : m_access.KeysWithPrefix(kSelcSlot, key, kSelectionPrefixLength)) {
        if (itemKey.size() != key.size() || !m_access.FindRecord(kSelcSlot, itemKey)) continue;
        value = QString::number(m_access.GetFieldInt(kSelcSlot, kItemPositionField));
        break;
    }
    m_positions.insert(key, value);
    return value;
}

QStringList exportValues(RecordAccess& access, const QString& listCode, const QString& key,
                         const QList<OrderEntry>& order, SelectionOutput selection) {
    return ExportValueReader(access, listCode, order, selection).values(key);
}

}  // namespace vn
