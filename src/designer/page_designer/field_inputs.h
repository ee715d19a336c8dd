#pragma once

#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"

#include <array>

namespace vn {

class TextMeasure;

// What the add and modify views of one kind hold; which members count depends on the kind.
struct FieldInputs {
    QString name;  // field name, group title, label text, link address or table name
    // Text fields.
    int size = 0;  // characters
    CharacterType characterType = CharacterType::None;
    bool required = false;
    bool readOnly = false;
    bool standardList = false;
    bool exclusiveList = false;
    // Radio groups: button n at [n - 1].
    std::array<QString, FieldDefinition::kButtons> buttons;
    // Labels.
    int labelWidth = 0;  // characters per line
    int fontSize = 0;
    int colour = 0;      // palette index, 0 for the default
    bool bold = false;
    // Tables: counts, columns 1..5 and row names (the name is `name`; column 0 is computed).
    TableConstruction table;

    bool operator==(const FieldInputs&) const = default;
};

// The inputs a new field of the kind starts with.
FieldInputs newFieldInputs(FieldKind kind);

// The modify view's inputs from a stored definition and its page's table.
FieldInputs inputsFromDefinition(const FieldDefinition& definition, const TableConstruction& table);

// Whether the add view's place button is enabled.
bool canPlace(FieldKind kind, const FieldInputs& inputs);

// Why edited inputs were changed back.
enum class InputNotice { None, TooWide, TableTooWide };

struct CheckedInputs {
    FieldInputs inputs;
    InputNotice notice = InputNotice::None;
};

// The inputs as the view keeps them: sizes cut to what fits the page, label texts to 60
// characters, table counts outside their ranges left as they were. A column size that makes the
// table wider than the page is kept but reported.
CheckedInputs checkInputs(FieldKind kind, const FieldInputs& before, FieldInputs after, const TextMeasure& measure);

// The definition with the inputs applied: caption, rules and its size by kind.
void applyInputs(FieldDefinition& definition, const FieldInputs& inputs, const TextMeasure& measure);

}  // namespace vn
