#pragma once

#include "lists/definitions/definition_keys.h"
#include "requests/evaluation/condition_test.h"
#include "requests/request.h"

#include <QList>
#include <array>
#include <vector>

namespace vn {

class DefinitionCache;
struct FieldDefinition;

// Where a condition's value comes from: a column of Head (page 0) or of a page table; for a
// page text field linked to a sibling product, first that product's record.
struct ValueSource {
    int page = 0;
    int column = 0;
    int linkSource = 0;  // 1-8, 0 when the field is not linked
    int linkField = 0;   // the field read in the source's record

    bool operator==(const ValueSource&) const = default;
};

struct PreparedCondition {
    qsizetype source = 0;  // index into PreparedRequest::sources
    ConditionTest test;
};

// A request made ready to test records: each value is read once a record, however many
// conditions ask for it, and only the page rows the conditions read are looked up.
struct PreparedRequest {
    QList<ValueSource> sources;
    std::vector<PreparedCondition> conditions;  // in the request's order
    std::array<bool, kPagesPerList + 1> pagesRead{};
};

// The page's definition that keeps its value in the column: an active one before a deleted one
// (which keeps its column); none for header fields and grid cells.
const FieldDefinition* definitionAtColumn(const DefinitionCache& definitions, int page, int column);
// Where the field's value is read, following a text field linked to a sibling product.
ValueSource valueSourceOf(const FieldRef& field, const FieldDefinition* definition);

// Throws StoreError for a condition that names a field no table holds.
PreparedRequest prepareRequest(const SqlRequest& request, const DefinitionCache& definitions);

}  // namespace vn
