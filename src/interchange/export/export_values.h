#pragma once

#include "interchange/export/field_order.h"

#include <QHash>
#include <QStringList>

namespace vn {

class RecordAccess;

// Selection-list text fields: the stored text, or its item's display position (0 to n-1) when it
// is an item of the field's list.
enum class SelectionOutput : int { Text = 1, Index = 2 };

// The values of a record for the order's entries: header fields from Head, page fields from the
// page table (empty when the record has no row there).
QStringList exportValues(RecordAccess& access, const QString& listCode, const QString& key,
                         const QList<OrderEntry>& order, SelectionOutput selection);

// The same for many records of one list: the item positions looked up once each.
class ExportValueReader {
public:
    ExportValueReader(RecordAccess& access, QString listCode, QList<OrderEntry> order, SelectionOutput selection);
    QStringList values(const QString& key);

private:
    QString pageValue(const OrderEntry& entry);
    QString itemPosition(const OrderEntry& entry, const QString& stored);

    RecordAccess& m_access;
    QString m_listCode;
    QList<OrderEntry> m_order;
    SelectionOutput m_selection;
    QHash<QString, QString> m_positions;  // Selc key (or its text) -> the value exported
};

}  // namespace vn
