#include "designer/page_designer/tab_order.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_tables.h"
#include "designer/page_designer/field_rows.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kRowWeight = 1000;  // a field lower on the page comes later, whatever its left
constexpr int kNoTabStop = -1;

int readingPosition(const FieldDefinition& d) { return d.top * kRowWeight + d.left; }

}  // namespace

QList<TabStop> tabOrder(const QList<FieldDefinition>& definitions) {
    QList<FieldDefinition> active;
    for (const FieldDefinition& d : definitions)
        if (d.active) active << d;
    std::sort(active.begin(), active.end(), [](const FieldDefinition& a, const FieldDefinition& b) {
        const int pa = readingPosition(a), pb = readingPosition(b);
        return pa != pb ? pa < pb : a.number() < b.number();
    });
    QList<TabStop> stops;
    int next = 0;
    for (const FieldDefinition& d : active) stops.append({d.number(), d.kind == FieldKind::Text ? ++next : kNoTabStop});
    return stops;
}

void WriteTabOrder(RecordAccess& access, const DefinitionCache& cache, int page) {
    Transaction tx(access.database(kFdisSlot));
    for (const TabStop& stop : tabOrder(cache.pageDefinitions(page)))
        SetDefinitionInt(access, definitionKey(cache.listCode(), page, stop.number), definition_tables::fdis::kTabOrder,
                         stop.tabOrder);
    tx.commit();
}

}  // namespace vn
