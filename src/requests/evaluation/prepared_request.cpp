#include "requests/evaluation/prepared_request.h"

#include "lists/definitions/definition_cache.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

using namespace field_numbers;

constexpr int kLinkSources = 8;

void checkField(const SqlCondition& condition, qsizetype index) {
    const FieldRef& f = condition.field;
    const bool header = f.page == 0 && f.fieldNumber >= 1 && f.fieldNumber <= kHeaderFields;
    const bool page = f.page >= 1 && f.page <= kPagesPerList && f.fieldNumber >= kFirstText && f.fieldNumber <= kMemo;
    if (!header && !page)
        throw StoreError(QStringLiteral("Condition %1 of the request names field %2 of page %3, which no table holds.")
                             .arg(index + 1)
                             .arg(f.fieldNumber)
                             .arg(f.page));
}

QString defaultValue(const FieldRef& field, const FieldDefinition* definition) {
    const bool checkBox = field.fieldNumber >= kFirstCheckBox && field.fieldNumber <= kLastCheckBox;
    return checkBox && definition && definition->kind == FieldKind::CheckBox ? QStringLiteral("0") : QString();
}

}  // namespace

const FieldDefinition* definitionAtColumn(const DefinitionCache& definitions, int page, int column) {
    const FieldDefinition* deleted = nullptr;
    for (int number = 1; number <= ColumnMap::kDefinitionsPerPage; ++number) {
        const FieldDefinition& d = definitions.definition(page, number);
        if (!d.exists() || d.recordColumn() != column) continue;
        if (d.active) return &d;
        if (!deleted) deleted = &d;
    }
    return deleted;
}

ValueSource valueSourceOf(const FieldRef& field, const FieldDefinition* definition) {
    ValueSource source{field.page, field.fieldNumber - 1};
    const bool text = field.fieldNumber >= kFirstText && field.fieldNumber <= kLastText;
    if (text && definition && definition->kind == FieldKind::Text && definition->dataSet >= 1 &&
        definition->dataSet <= kLinkSources) {
        source.linkSource = definition->dataSet;
        source.linkField = definition->dataSetField;
    }
    return source;
}

PreparedRequest prepareRequest(const SqlRequest& request, const DefinitionCache& definitions) {
    PreparedRequest prepared;
    for (qsizetype i = 0; i < request.conditions.size(); ++i) {
        const SqlCondition& condition = request.conditions[i];
        checkField(condition, i);
        const FieldRef& field = condition.field;
        const FieldDefinition* definition =
            field.page > 0 ? definitionAtColumn(definitions, field.page, field.fieldNumber - 1) : nullptr;
        const ValueSource source = valueSourceOf(field, definition);
        qsizetype index = prepared.sources.indexOf(source);
        if (index < 0) {
            index = prepared.sources.size();
            prepared.sources << source;
        }
        if (field.page > 0) prepared.pagesRead[field.page] = true;
        prepared.conditions.push_back({index, ConditionTest(condition, defaultValue(field, definition))});
    }
    return prepared;
}

}  // namespace vn
