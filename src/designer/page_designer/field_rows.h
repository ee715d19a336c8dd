#pragma once

#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"

namespace vn {

class RecordAccess;

// Creates or resets a field's row with every field written, so nothing of an earlier row with
// the key survives; a table's whole Tdat row is written too.
void WriteNewDefinitionRow(RecordAccess& access, const FieldDefinition& definition, const TableConstruction* table);

// Removes a field's row and everything attached to it: its Tdat and Help rows and the items of
// its selection list.
void RemoveDefinitionRows(RecordAccess& access, const FieldDefinition& definition);

// Field 1 of an existing row: 0 marks a deleted field.
void SetDefinitionActive(RecordAccess& access, const QString& key, bool active);

// Makes the deleted fields among the definitions active again.
void RestoreDeletedFields(RecordAccess& access, const QList<FieldDefinition>& definitions);

// Writes one integer field of an existing definition row.
void SetDefinitionInt(RecordAccess& access, const QString& key, int field, int value);

// List field 2: the number of the definition added last.
void WriteLastAddedNumber(RecordAccess& access, const QString& listCode, int number);

}  // namespace vn
