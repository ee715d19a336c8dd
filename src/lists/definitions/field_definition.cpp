#include "lists/definitions/field_definition.h"

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_keys.h"
#include "platform/printing/palette.h"

namespace vn {

namespace {

constexpr int kLabelFontSize = 8;
constexpr int kLinkFontSize = 12;
constexpr int kLabelColour = 1;   // black
constexpr int kLinkColour = 13;   // blue

}  // namespace

int FieldDefinition::page() const {
    const auto address = parseDefinitionKey(key);
    return address ? address->page : 0;
}

int FieldDefinition::number() const {
    const auto address = parseDefinitionKey(key);
    return address ? address->number : 0;
}

void FieldDefinition::setButton(int number, const QString& caption) {
    if (number >= 1 && number <= kButtons) buttons[number - 1] = caption.left(kButtonCaptionLength);
}

QList<int> FieldDefinition::shownButtons() const {
    QList<int> numbers;
    for (int n = 1; n <= kButtons; ++n)
        if (!buttons[n - 1].isEmpty()) numbers << n;
    return numbers;
}

std::optional<int> FieldDefinition::recordColumn() const { return ColumnMap::recordColumn(kind, slot); }

int FieldDefinition::shownFontSize() const {
    if (fontSize > 0) return fontSize;
    return kind == FieldKind::Link ? kLinkFontSize : kLabelFontSize;
}

int FieldDefinition::shownColourIndex() const {
    if (colour >= 1 && colour <= kPaletteSize) return colour;
    return kind == FieldKind::Link ? kLinkColour : kLabelColour;
}

quint32 FieldDefinition::shownColour() const { return paletteColour(shownColourIndex()); }

}  // namespace vn
