#include "entry/links/linked_records_update.h"

#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"

#include <QStringList>

namespace vn {

namespace {

constexpr int kCopiedFields[] = {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

QStringList chainOf(RecordAccess& access, const QString& key) {
    QStringList keys;
    if (!access.RewindLinkChain(kLinkSlot, key)) return keys;
    for (QString entry; access.NextLinkEntry(kLinkSlot, key, entry);) keys << entry.trimmed();
    return keys;
}

}  // namespace

bool hasLinkChain(RecordAccess& access, const QString& key) { return access.RewindLinkChain(kLinkSlot, key); }

LinkedUpdateCount updateLinkedRecords(RecordAccess& access, const QString& key,
                                      const std::function<QString(int field)>& header) {
    LinkedUpdateCount count;
    Transaction tx(access.database(kHeadSlot));
    for (const QString& linked : chainOf(access, key)) {
        if (linked == key || !access.FindRecord(kHeadSlot, linked)) {
            ++count.skipped;
            continue;
        }
        for (int field : kCopiedFields) access.SetFieldText(kHeadSlot, field, header(field));
        ++count.updated;
    }
    access.FindRecord(kHeadSlot, key);
    tx.commit();
    return count;
}

}  // namespace vn
