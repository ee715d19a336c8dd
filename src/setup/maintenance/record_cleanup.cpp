#include "setup/maintenance/record_cleanup.h"

#include "lists/definitions/definition_tables.h"
#include "lists/definitions/field_kind.h"
#include "lists/records/record_rows.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

#include <QStringList>

namespace vn {

namespace {

constexpr int kLastName = 4;

// The keys of the slot's rows whose field passes the test.
template <typename Test>
QStringList keysWhere(RecordAccess& access, int slot, int field, Test test) {
    QStringList keys;
    for (const QString& key : access.KeysWithPrefix(slot, QString()))
        if (access.FindRecord(slot, key) && test(access.GetFieldText(slot, field))) keys << key;
    return keys;
}

}  // namespace

ComponentRemoval removeTableComponents(RecordAccess& access) {
    namespace fdis = definition_tables::fdis;
    Transaction transaction(access.database(kFdisSlot));
    ComponentRemoval done;
    auto isGrid = [](const QString& kind) { return fieldKindFromCode(kind.trimmed().toInt()) == FieldKind::Table; };
    for (const QString& key : keysWhere(access, kFdisSlot, fdis::kKind, isGrid)) {
        access.DeleteRecord(kFdisSlot, key);
        ++done.definitions;
    }
    done.constructions = access.RecordCount(kTdatSlot);
    access.DeleteAllRecords(kTdatSlot, false);
    transaction.commit();
    return done;
}

qint64 removeNullRecords(RecordAccess& access) {
    Transaction transaction(access.database(kHeadSlot));
    const QStringList keys = keysWhere(access, kHeadSlot, kLastName, [](const QString& last) { return last.isEmpty(); });
    for (const QString& key : keys) DeleteRecordRows(access, key);
    transaction.commit();
    return keys.size();
}

}  // namespace vn
