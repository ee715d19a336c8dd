#include "lists/records/list_clone.h"

#include "lists/records/list_code.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kListCodeLength = 3;
constexpr int kClonedSlots[] = {kFdisSlot, kSelcSlot, kTdatSlot};

int deltaOf(RecordAccess& access, int slot) { return access.catalogue().table(slot).fieldNumber(QStringLiteral("Delta")); }

void cloneRows(RecordAccess& access, int slot, const QString& oldCode, const QString& newCode) {
    access.CopyKeysWithPrefix(slot, oldCode, kListCodeLength, newCode, deltaOf(access, slot));
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
    cloneRows(access, kListSlot, from, to.code);
    access.FindRecord(kListSlot, to.code);
    access.SetFieldText(kListSlot, 1, newTitle);
    for (int slot : kClonedSlots) cloneRows(access, slot, from, to.code);
    tx.commit();
    return {};
}

}  // namespace vn
