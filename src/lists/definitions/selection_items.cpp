#include "lists/definitions/selection_items.h"

#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kPrefixLength = 6;
constexpr int kPositionField = 1;

}  // namespace

QList<SelectionItem> SelectionItems(RecordAccess& access, const QString& prefix) {
    QList<SelectionItem> items;
    for (const QString& key : access.KeysWithPrefix(kSelcSlot, prefix, kPrefixLength)) {
        if (!access.FindRecord(kSelcSlot, key)) continue;
        items.append({key, key.mid(kPrefixLength), access.GetFieldInt(kSelcSlot, kPositionField)});
    }
    std::stable_sort(items.begin(), items.end(), [](const SelectionItem& a, const SelectionItem& b) {
        if (a.position != b.position) return a.position < b.position;
        return a.key.toUtf8() < b.key.toUtf8();
    });
    return items;
}

void RenumberSelectionItems(RecordAccess& access, const QString& prefix) {
    const QList<SelectionItem> items = SelectionItems(access, prefix);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].position == i || !access.FindRecord(kSelcSlot, items[i].key)) continue;
        access.SetFieldInt(kSelcSlot, kPositionField, i);
    }
}

}  // namespace vn
