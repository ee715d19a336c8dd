#include "lists/records/record_rows.h"

#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kListCodeLength = 3;

bool isChainSuffix(const QString& key, const QString& owner) {
    if (key.size() != owner.size() + 2) return false;
    for (QChar c : key.right(2))
        if (c < 'A' || c > 'Z') return false;
    return true;
}

}  // namespace

void EnsureRecordRows(RecordAccess& access, const QString& key, int highestPage) {
    access.EnsureRecord(kHeadSlot, key);
    for (int page = 1; page <= highestPage && page <= kPageCount; ++page) access.EnsureRecord(pageSlot(page), key);
}

QStringList OwnedLinkKeys(RecordAccess& access, const QString& key) {
    // A 17-character key can begin an 18-character one: only whole key + suffix counts.
    QStringList owned;
    for (const QString& linkKey : access.KeysWithPrefix(kLinkSlot, key))
        if (isChainSuffix(linkKey, key)) owned << linkKey;
    return owned;
}

void DeleteOwnedLinks(RecordAccess& access, const QString& key) {
    for (const QString& linkKey : OwnedLinkKeys(access, key)) access.DeleteRecord(kLinkSlot, linkKey);
}

void DeleteRecordRows(RecordAccess& access, const QString& key) {
    access.DeleteRecord(kHeadSlot, key);
    for (int slot : kPageSlots) access.DeleteRecord(slot, key);
    DeleteOwnedLinks(access, key);
}

void DeleteListRecords(RecordAccess& access, const QString& listCode) {
    const QString code = LowerCaseText(listCode);
    access.DeleteKeysWithPrefix(kHeadSlot, code, kListCodeLength);
    for (int slot : kPageSlots) access.DeleteKeysWithPrefix(slot, code, kListCodeLength);
    access.DeleteKeysWithPrefix(kLinkSlot, code, kListCodeLength);
    if (access.FindRecord(kListSlot, code)) access.SetFieldInt(kListSlot, 5, 0);
    if (access.FindRecord(kParmSlot, code)) {
        access.SetFieldInt(kParmSlot, 2, 1);
        access.SetFieldInt(kParmSlot, 3, 0);
        access.SetFieldInt(kParmSlot, 4, 0);
    }
}

}  // namespace vn
