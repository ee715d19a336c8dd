#include "interchange/import/import_key.h"

#include "lists/records/record_tables.h"
#include "store/access/record_access.h"

namespace vn {

ImportKey nextFreeImportKey(const QString& listCode, const KeyOrigin& origin, int from,
                            const std::function<bool(const QString&)>& used) {
    ImportKey next{QString(), from};
    for (;; ++next.number) {
        next.key = buildRecordKey(listCode, origin, next.number);
        if (!used(next.key)) return next;
    }
}

ImportKey ProposeImportKey(RecordAccess& access, const QString& listCode, const KeyOrigin& origin) {
    return nextFreeImportKey(listCode, origin, ListCounter(access, listCode, 1, 1),
                             [&access](const QString& key) { return access.FindRecord(kHeadSlot, key); });
}

void CommitImportCounter(RecordAccess& access, const QString& listCode, int numberUsed) {
    SetListCounter(access, listCode, qint64(numberUsed) + 1);
}

}  // namespace vn
