#include "interchange/import/import_key.h"

#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kCounterField = 2;

// The counter's number; the row is made with 1 when missing, an empty value reads as 1.
int counterNumber(RecordAccess& access, const QString& listCode) {
    const QString key = LowerCaseText(listCode);
    if (!access.FindRecord(kParmSlot, key)) {
        access.EnsureRecord(kParmSlot, key);
        access.SetFieldInt(kParmSlot, kCounterField, 1);
    }
    if (access.GetFieldText(kParmSlot, kCounterField).trimmed().isEmpty()) return 1;
    return access.GetFieldInt(kParmSlot, kCounterField);
}

}  // namespace

ImportKey nextFreeImportKey(const QString& listCode, const KeyOrigin& origin, int from,
                            const std::function<bool(const QString&)>& used) {
    ImportKey next{QString(), from};
    for (;; ++next.number) {
        next.key = buildRecordKey(listCode, origin, next.number);
        if (!used(next.key)) return next;
    }
}

ImportKey ProposeImportKey(RecordAccess& access, const QString& listCode, const KeyOrigin& origin) {
    return nextFreeImportKey(listCode, origin, counterNumber(access, listCode),
                             [&access](const QString& key) { return access.FindRecord(kHeadSlot, key); });
}

void CommitImportCounter(RecordAccess& access, const QString& listCode, int numberUsed) {
    const QString key = LowerCaseText(listCode);
    access.EnsureRecord(kParmSlot, key);
    access.SetFieldInt(kParmSlot, kCounterField, qint64(numberUsed) + 1);
}

}  // namespace vn
