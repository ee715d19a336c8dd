#include "requests/stored/stored_requests.h"

#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/table_def.h"

namespace vn {

namespace {

const QString kDelta = QStringLiteral("Delta");

void writeRow(RecordAccess& access, int slot, const RowFields& row) {
    access.EnsureRecord(slot, row[0]);
    for (int field = 1; field < row.size(); ++field)
        if (!access.SetFieldText(slot, field, row[field]))
            throw StoreError(QStringLiteral("Field %1 of the %2 row \"%3\" was cut on writing.")
                                 .arg(QString::number(field), TableCatalogue::shortName(slot), row[0]));
}

// The fields before Delta (every field of a table without one).
int rowFieldCount(RecordAccess& access, int slot) {
    const int delta = access.GetFieldNumber(slot, kDelta);
    return delta < 0 ? access.GetFieldCount(slot) : delta;
}

RowFields readRowWithKey(RecordAccess& access, int slot, const QString& key) {
    return access.FindRecord(slot, key) ? readCurrentRow(access, slot) : RowFields{};
}

}  // namespace

RowLayout rowLayout(const TableDef& table) {
    RowLayout layout{table.name, {}};
    for (const FieldDef& field : table.fields) {
        if (field.name == kDelta) break;
        layout.sizes << field.size;
    }
    return layout;
}

RowLayout rowLayout(RecordAccess& access, int slot) {
    RowLayout layout{TableCatalogue::shortName(slot), {}};
    const int count = rowFieldCount(access, slot);
    for (int field = 0; field < count; ++field) layout.sizes << (access.IsMemoField(slot, field) ? 0 : access.GetFieldSize(slot, field));
    return layout;
}

RequestRowLayouts requestRowLayouts(RecordAccess& access) {
    return {rowLayout(access, kQueuSlot), rowLayout(access, kPinfSlot), rowLayout(access, kSinfSlot)};
}

RowFields readCurrentRow(RecordAccess& access, int slot) {
    const int count = rowFieldCount(access, slot);
    RowFields row;
    row.reserve(count);
    for (int field = 0; field < count; ++field) row << access.GetFieldText(slot, field);
    return row;
}

void writeStoredRequest(RecordAccess& access, const QString& key, const SqlRequest& request) {
    const RequestRows rows = encodeRequestRows(key, request, requestRowLayouts(access));
    Transaction tx(access.database(kQueuSlot));
    writeRow(access, kQueuSlot, rows.queu);
    if (!rows.pinf.isEmpty()) writeRow(access, kPinfSlot, rows.pinf);
    if (!rows.sinf.isEmpty()) writeRow(access, kSinfSlot, rows.sinf);
    tx.commit();
}

std::optional<StoredRequest> readStoredRequest(RecordAccess& access, const QString& key) {
    RequestRows rows;
    rows.queu = readRowWithKey(access, kQueuSlot, key);
    if (rows.queu.isEmpty()) return std::nullopt;
    rows.pinf = readRowWithKey(access, kPinfSlot, key);
    rows.sinf = readRowWithKey(access, kSinfSlot, key);
    return decodeRequestRows(rows);
}

}  // namespace vn
