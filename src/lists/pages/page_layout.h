#pragma once

#include "lists/definitions/field_kind.h"

#include <QList>
#include <QRect>
#include <QString>

namespace vn {

class DefinitionCache;
class TextMeasure;

// One positioned piece of a drawn page.
struct LayoutItem {
    enum class Kind { Caption, TextBox, MemoBox, CheckBox, RadioGroup, RadioButton, Label, Link, TableLine, TableText, TableCell };
    Kind kind = Kind::Caption;
    QRect rect;
    QString text;
    // What assistive technology calls it: the field's caption (its kind without one), a radio
    // button's caption, a grid cell's "<table> row r column c".
    QString name;
    int definitionNumber = 0;  // the definition it belongs to
    FieldKind fieldKind = FieldKind::None;
    int slot = 0;
    int recordColumn = 0;      // for value boxes: the page row's column that holds the value
    int tabOrder = -1;         // text boxes and table cells
    int pointSize = 8;
    quint32 colour = 0xFF000000;  // 0xAARRGGBB
    bool bold = false;
    bool underline = false;
    int buttonNumber = 0;      // radio buttons 1..10
    int row = 0, column = 0;   // table cells and texts
};

// The page drawn from the definitions: only active ones, in definition-number order. The designer
// and the record screen both draw from this; inDesigner shows tab numbers in text boxes.
QList<LayoutItem> layoutPage(const DefinitionCache& cache, int page, const TextMeasure& measure, bool inDesigner);

// The colour a selected field of the kind is shown in (0xAARRGGBB): for tables the grid lines',
// for the other kinds the background's. Unselected, grid lines keep their item colour (white).
quint32 highlightColour(FieldKind kind);

}  // namespace vn
