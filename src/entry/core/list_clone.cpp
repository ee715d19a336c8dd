#include "entry/core/list_clone.h"

#include "entry/core/list_code.h"
#include "entry/core/record_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kListCodeLength = 3;
constexpr int kClonedSlots[] = {kFdisSlot, kSelcSlot, kTdatSlot};

int deltaOf(RecordAccess& access, int slot) { return access.catalogue().table(slot).fieldNumber(QStringLiteral("Delta")); }

QStringList readFields(RecordAccess& access, int slot, int last) {
    QStringList values;
    for (int f = 1; f <= last; ++f) values << access.GetFieldText(slot, f);
    return values;
}

void writeRow(RecordAccess& access, int slot, const QString& key, const QStringList& values) {
    access.EnsureRecord(slot, key);
    for (qsizetype f = 0; f < values.size(); ++f) access.SetFieldText(slot, int(f) + 1, values[f]);
}

void cloneRows(RecordAccess& access, int slot, const QString& oldCode, const QString& newCode) {
    const int delta = deltaOf(access, slot);
    // All keys first: writing under the new code must not disturb the reading.
    for (const QString& key : access.KeysWithPrefix(slot, oldCode, kListCodeLength)) {
        access.FindRecord(slot, key);
        const QStringList values = readFields(access, slot, delta);
        writeRow(access, slot, newCode + key.mid(kListCodeLength), values);
    }
}

QString refusal(RecordAccess& access, const QString& oldCode, const ListCodeCheck& newCode, const QString& title) {
    if (!access.FindRecord(kListSlot, oldCode)) return QStringLiteral("Old form code is not valid!");
    if (!newCode.ok()) return newCode.error;
    if (access.FindRecord(kListSlot, newCode.code)) return QStringLiteral("New form code already exists!");
    if (title.isEmpty()) return QStringLiteral("New form title is missing!");
    return {};
}

}  // namespace

QString CloneList(RecordAccess& access, const QString& oldCode, const QString& newCode, const QString& newTitle) {
    const QString from = LowerCaseText(oldCode);
    const ListCodeCheck to = checkListCode(newCode);
    if (const QString why = refusal(access, from, to, newTitle); !why.isEmpty()) return why;
    Transaction tx(access.database(kListSlot));
    access.FindRecord(kListSlot, from);
    QStringList list = readFields(access, kListSlot, deltaOf(access, kListSlot));
    list[0] = newTitle;
    writeRow(access, kListSlot, to.code, list);
    for (int slot : kClonedSlots) cloneRows(access, slot, from, to.code);
    tx.commit();
    return {};
}

}  // namespace vn
