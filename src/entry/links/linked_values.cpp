#include "entry/links/linked_values.h"

#include "entry/links/head_link_fields.h"
#include "lists/definitions/definition_cache.h"
#include "lists/records/record_values.h"
#include "lists/siblings/linked_value_resolver.h"

namespace vn {

int linkedSourceOf(const FieldDefinition& definition) {
    const bool linked = definition.exists() && definition.active && definition.kind == FieldKind::Text &&
                        siblingSource(definition.dataSet) != nullptr;
    return linked ? definition.dataSet : 0;
}

void applyLinkedValues(RecordValues& values, const DefinitionCache& definitions, LinkedValueResolver& resolver,
                       int onlySource) {
    for (int page = 1; page <= kPageCount; ++page)
        for (int number = 1; number <= definitions.definitionCount(page); ++number) {
            const FieldDefinition& d = definitions.definition(page, number);
            const int source = linkedSourceOf(d);
            const auto column = d.recordColumn();
            if (!source || !column || (onlySource && source != onlySource)) continue;
            const QString key = values.header(head_link::sourceKeyField(source)).trimmed();
            if (const auto value = resolver.value(source, key, d.dataSetField)) values.setPage(page, *column, *value);
        }
}

}  // namespace vn
