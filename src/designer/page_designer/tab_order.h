#pragma once

#include "lists/definitions/field_definition.h"

#include <QList>

namespace vn {

class DefinitionCache;
class RecordAccess;

struct TabStop {
    int number = 0;  // definition number
    int tabOrder = 0;

    bool operator==(const TabStop&) const = default;
};

// Reading order of a page's fields: by top x 1000 + left, equal values in number order. Text
// fields are numbered 1, 2, ...; every other kind gets -1. Deleted fields take no part.
QList<TabStop> tabOrder(const QList<FieldDefinition>& definitions);

// Stores the page's tab order in field 9 of its rows.
void WriteTabOrder(RecordAccess& access, const DefinitionCache& cache, int page);

}  // namespace vn
