#include "requests/math/numeric_fields.h"

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"

#include <algorithm>
#include <map>

namespace vn {

namespace {

bool isNumeric(const FieldDefinition& d) {
    return d.active && d.kind == FieldKind::Text && d.characterType == CharacterType::Digits && d.recordColumn();
}

}  // namespace

NumericFieldPages numericFields(const DefinitionCache& definitions) {
    NumericFieldPages pages;
    for (int page = 1; page <= kPagesPerList; ++page) {
        for (const FieldDefinition& d : definitions.pageDefinitions(page)) {
            if (!isNumeric(d)) continue;
            MathOperand operand;
            operand.page = page;
            operand.column = *d.recordColumn();
            operand.caption = d.caption;
            pages[std::size_t(page - 1)].append(operand);
        }
    }
    return pages;
}

std::function<int(int page, int column)> numericFieldSizes(const DefinitionCache& definitions, RecordAccess& access) {
    std::map<std::pair<int, int>, int> defined;
    for (int page = 1; page <= kPagesPerList; ++page)
        for (const FieldDefinition& d : definitions.pageDefinitions(page))
            if (isNumeric(d)) defined[{page, *d.recordColumn()}] = d.size;
    return [defined = std::move(defined), &access](int page, int column) {
        const int declared = access.GetFieldSize(pageSlot(page), column);
        const auto found = defined.find({page, column});
        const int size = found == defined.end() ? 0 : found->second;
        if (size <= 0) return declared;
        return declared > 0 ? std::min(size, declared) : size;
    };
}

}  // namespace vn
