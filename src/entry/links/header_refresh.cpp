#include "entry/links/header_refresh.h"

#include "entry/links/head_link_fields.h"
#include "lists/siblings/linked_value_resolver.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"

namespace vn {

int refreshLinkedHeader(RecordAccess& access, const QString& key, LinkedValueResolver& resolver) {
    if (!access.FindRecord(kHeadSlot, key)) return 0;
    const int kind = access.GetFieldText(kHeadSlot, head_link::kKind).trimmed().toInt();
    const auto values = resolver.header(kind, access.GetFieldText(kHeadSlot, head_link::kKey).trimmed());
    if (!values) return 0;
    QList<std::pair<int, QString>> changed;
    for (const auto& [field, value] : *values)
        if (access.GetFieldText(kHeadSlot, field) != value) changed.append({field, value});
    if (changed.isEmpty()) return 0;
    Transaction tx(access.database(kHeadSlot));
    access.FindRecord(kHeadSlot, key);
    for (const auto& [field, value] : changed) access.SetFieldText(kHeadSlot, field, value);
    tx.commit();
    return int(changed.size());
}

}  // namespace vn
