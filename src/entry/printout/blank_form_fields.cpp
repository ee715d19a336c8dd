#include "entry/printout/blank_form_fields.h"

#include "entry/printout/printout_text.h"
#include "lists/definitions/column_map.h"
#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kCaptionSize = 7;
constexpr int kMostCaptionLines = 6;
constexpr double kThinLine = 4, kCheckBoxLine = 15;

PrintFont captionFont(bool bold = false) { return PrintFont{QStringLiteral("Arial"), kCaptionSize, bold}; }

QPointF corner(const BlankFormRegion& region, const FieldDefinition& field, double rowOffset) {
    return region.geometry.field(field.left, field.top, region.startRow + rowOffset);
}

double scaled(const BlankFormRegion& region, double designPixels) { return designPixels * region.geometry.widthFactor; }

void drawTextField(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field) {
    const BlankFormGeometry& g = region.geometry;
    const QPointF box = corner(region, field, 2);
    const double width = scaled(region, field.width);
    const int fits = int(width / g.averageCharWidth(kCaptionSize));
    const QStringList lines = wrapText(field.caption, fits).mid(0, kMostCaptionLines);
    const double lineHeight = g.lineHeight(kCaptionSize);
    for (int k = 0; k < lines.size(); ++k)
        sink.text({box.x(), box.y() - (lines.size() - k) * lineHeight}, lines[k]);
    sink.rectangle(QRectF(box, QSizeF(width, g.row)), false);
}

void drawMemo(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field) {
    sink.text(corner(region, field, 0), field.caption);
    sink.rectangle(QRectF(corner(region, field, 1), QSizeF(scaled(region, field.width), scaled(region, field.height))), false);
}

void drawCheckBox(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field) {
    const BlankFormGeometry& g = region.geometry;
    const QPointF box = corner(region, field, 3);
    sink.setPen(PrintPen{0xFF000000, kCheckBoxLine});
    sink.rectangle(QRectF(box, QSizeF(2 * g.column, g.row)), false);
    sink.setPen(PrintPen{0xFF000000, kThinLine});
    sink.text(box + QPointF(3 * g.column, 0), field.caption);
}

// Every option with a caption, one a row; all of them, however many the group has.
void drawRadioGroup(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field) {
    const BlankFormGeometry& g = region.geometry;
    sink.text(corner(region, field, 2), field.caption);
    const QPointF box = corner(region, field, 4);
    const QList<int> shown = field.shownButtons();
    sink.rectangle(QRectF(box, QSizeF(scaled(region, field.width), (shown.size() + 0.25) * g.row)), false);
    for (int j = 0; j < shown.size(); ++j) {
        const double y = box.y() + (j + 0.125) * g.row;
        sink.setFont(captionFont(true));
        sink.text({box.x() + g.column, y}, QStringLiteral("O "));
        sink.setFont(captionFont());
        sink.text({box.x() + 3 * g.column, y}, field.buttons[shown[j] - 1]);
    }
}

void drawLabel(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field) {
    sink.setFont(captionFont(field.size == 1));
    sink.text(corner(region, field, 3), field.caption);
    sink.setFont(captionFont());
}

QString tableCellTitle(const TableConstruction& table, int column, int row) {
    if (row == 0) return column == 0 ? table.name : table.columns[column].title;
    return column == 0 ? table.rowNames[row - 1] : QString();
}

void drawTable(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field) {
    const TableConstruction& table = region.table;
    if (table == TableConstruction{}) return;  // no Tdat row
    const int columns = std::clamp(table.columnCount, 0, ColumnMap::kTableColumns);
    const int rows = std::clamp(table.rowCount, 0, ColumnMap::kTableRows);
    const QPointF start = corner(region, field, 1);
    const double rowHeight = region.geometry.row, pad = region.geometry.column / 5;
    for (int i = 0; i <= rows; ++i) {
        double x = start.x();
        for (int p = 0; p <= columns; ++p) {
            const double width = scaled(region, p == 0 ? table.columns[0].size : 10.0 * table.columns[p].size);
            const QRectF cell(QPointF(x, start.y() + i * rowHeight), QSizeF(width, rowHeight));
            sink.rectangle(cell, false);
            sink.text(cell.topLeft() + QPointF(pad, 0), tableCellTitle(table, p, i));
            x += width;
        }
    }
}

}  // namespace

void drawBlankField(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field) {
    switch (field.kind) {
    case FieldKind::Text: return drawTextField(sink, region, field);
    case FieldKind::Memo: return drawMemo(sink, region, field);
    case FieldKind::CheckBox: return drawCheckBox(sink, region, field);
    case FieldKind::RadioGroup: return drawRadioGroup(sink, region, field);
    case FieldKind::Label: return drawLabel(sink, region, field);
    case FieldKind::Table: return drawTable(sink, region, field);
    default: return;
    }
}

}  // namespace vn
