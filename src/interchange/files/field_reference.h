#pragma once

#include "interchange/export/field_order.h"
#include "lists/definitions/field_definition.h"

#include <QString>
#include <optional>

namespace vn {

class DefinitionCache;

// FIELD of a map or layout file found among the list's fields (see map_file.h); nothing, with
// the reason in message, when the list has no such active field or the text names none.
std::optional<FieldRef> resolveFieldReference(const QString& reference, const DefinitionCache& definitions, QString& message);

// The active definition of the kind and slot on the page; nullptr when there is none.
const FieldDefinition* activeDefinition(const DefinitionCache& definitions, int page, FieldKind kind, int slot);

// The field as an export order holds it: the caption the export view shows, and whether it is a
// text field with a selection list.
OrderEntry orderEntryOf(const DefinitionCache& definitions, FieldRef field);

}  // namespace vn
