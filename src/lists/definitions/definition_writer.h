#pragma once

#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"

namespace vn {

class RecordAccess;

// Writes a definition back to its existing Fdis row: only the fields its kind uses, plus the
// values that follow from them (the list mark of an exclusive list, the button count, the
// column width of check boxes, radio groups and links). A table writes its position, and its
// Tdat row when the construction is given: columns and rows beyond the counts keep their
// values. Returns false, writing nothing, when the row does not exist.
bool WriteDefinition(RecordAccess& access, const FieldDefinition& definition,
                     const TableConstruction* table = nullptr);

// Creates (or resets) the row of a field just placed: active, its kind and slot, and the sibling
// data set it was copied from. False, writing nothing, for a key outside the definition scheme.
bool CreateDefinition(RecordAccess& access, const FieldDefinition& definition);

// The page's title row, cut to 12 characters. False, writing nothing, for a page outside 1..6.
bool WritePageTitle(RecordAccess& access, const QString& listCode, int page, const QString& title);

inline constexpr int kPageTitleLength = 12;

}  // namespace vn
