#pragma once

#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"

#include <optional>

namespace vn {

class RecordAccess;

// One definition row as stored; nothing when the Fdis row does not exist. Flags are set only by
// a stored 1, integers that are not plain digits read as 0.
std::optional<FieldDefinition> ReadDefinition(RecordAccess& access, const QString& key);

// The Tdat row with the key of a table field's definition; nothing when there is none.
std::optional<TableConstruction> ReadTableConstruction(RecordAccess& access, const QString& key);

// Whether the Help row of the definition holds a text.
bool HasHelpText(RecordAccess& access, const QString& key);
// The text of the definition's Help row; empty when there is none.
QString ReadHelpText(RecordAccess& access, const QString& key);

}  // namespace vn
