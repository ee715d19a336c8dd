#pragma once

#include "interchange/export/field_order.h"

#include "store/access/key_follower.h"
#include "lists/records/record_tables.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <optional>

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
    // InKeyOrder: the keys come in key order and nothing else moves the tables' cursors between
    // two records, so each table's rows are read by stepping on rather than by a lookup each.
    enum class Reading { ByLookup, InKeyOrder };

    ExportValueReader(RecordAccess& access, QString listCode, QList<OrderEntry> order, SelectionOutput selection,
                      Reading reading = Reading::ByLookup);
    QStringList values(const QString& key);

private:
    bool findRow(int source, const QString& key);
    QString pageValue(const OrderEntry& entry);
    QString itemPosition(const OrderEntry& entry, const QString& stored);

    RecordAccess& m_access;
    QString m_listCode;
    QList<OrderEntry> m_order;
    SelectionOutput m_selection;
    QHash<QString, QString> m_positions;  // Selc key -> the value exported
    std::array<std::optional<KeyFollower>, kPageCount + 1> m_followers;  // InKeyOrder: Head, pages
};

}  // namespace vn
