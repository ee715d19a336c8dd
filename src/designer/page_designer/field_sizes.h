#pragma once

#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"

#include <QPoint>
#include <QSize>

namespace vn {

class TextMeasure;
struct FieldInputs;

inline constexpr int kPageFontSize = 8;
// (81 + 1) x 10 = 820 pixels still fit between the left and the right bound.
inline constexpr int kMaxFieldCharacters = 81;
inline constexpr int kLabelTextLength = 60;
inline constexpr int kLinkFontSize = 12;
inline constexpr int kLinkColour = 13;
inline constexpr int kLabelFontSize = 8;

// Width and height written for a field of the kind (a memo field keeps its own size).
QSize fieldSize(FieldKind kind, const FieldInputs& inputs, const TextMeasure& measure);

// Where a newly placed field of the kind starts.
QPoint defaultPosition(FieldKind kind);

// The table as entered, with column 0 as wide as its widest text plus 5.
TableConstruction tableFromInputs(const FieldInputs& inputs, const TextMeasure& measure);

// What a field takes up on the page when it moves: a table counts its drawn grid.
QSize movingExtent(const FieldDefinition& definition, const TableConstruction& table);

}  // namespace vn
