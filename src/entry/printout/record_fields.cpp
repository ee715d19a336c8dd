#include "entry/printout/record_fields.h"

#include "entry/printout/printout_text.h"
#include "entry/printout/record_grid.h"
#include "entry/printout/record_layout.h"
#include "lists/definitions/column_map.h"
#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"
#include "platform/printing/palette.h"
#include "store/text/digits_to_int.h"

#include <algorithm>

namespace vn {

namespace {

using record_grid::at;
using record_grid::truncated;
using record_grid::x;
using record_grid::y;

constexpr quint32 kBlack = 0xFF000000;
constexpr quint32 kWhite = 0xFFFFFFFF;
constexpr int kPixelsPerCharacter = 5;

PrintFont arial(double size, bool bold = false) { return PrintFont{QStringLiteral("Arial"), size, bold}; }

// Where a field sits on the grid: its column and the row it starts from.
struct Place {
    double column;
    double row;
};

Place placeOf(const RecordPage& page, const FieldDefinition& field) {
    return {truncated(field.left / 14.8), page.baseRow + truncated(field.top / 4.4)};
}

// The field's value; empty for a slot beyond its kind's columns.
QString valueOf(const RecordPage& page, const FieldDefinition& field) {
    const std::optional<int> column = field.recordColumn();
    return column ? page.record.value(page.number, *column) : QString();
}

void whiteBox(PageSink& sink, const QRectF& rect) {
    sink.setFillColour(kWhite);
    sink.rectangle(rect, true);
    sink.rectangle(rect, false);
}

QStringList captionLines(const QString& text, int width, bool dropLeadingSpaces) {
    return wrapText(text, width / kPixelsPerCharacter, dropLeadingSpaces);
}

void drawText(PageSink& sink, const RecordPage& page, const FieldDefinition& field) {
    const Place p = placeOf(page, field);
    const QStringList lines = captionLines(field.caption, field.width, false);
    const double left = x(p.column - 1) + 8;
    for (int k = 0; k < lines.size(); ++k) sink.text({left, y(p.row + 3 * k)}, lines[k]);
    const double v = p.row + 3 * lines.size();
    sink.setFont(arial(7, true));
    sink.text({x(p.column) + 1, y(v)}, valueOf(page, field));
    sink.setFont(arial(7));
    sink.rectangle(QRectF(QPointF(left, y(v)), at(p.column + field.width / 14.8, v + 3)), false);
}

void drawCheckBox(PageSink& sink, const RecordPage& page, const FieldDefinition& field) {
    const Place p = placeOf(page, field);
    sink.rectangle(QRectF(QPointF(x(p.column) + 8, y(p.row)), QPointF(x(p.column + 1) + 8, y(p.row + 2))), false);
    sink.text({x(p.column + 1.5) + 8, y(p.row)}, field.caption);
    if (valueOf(page, field) != QLatin1String("1")) return;
    sink.setFont(arial(10, true));
    sink.text({x(p.column) + 10, y(p.row - 0.75)}, QStringLiteral("X"));
    sink.setFont(arial(7));
}

void drawRadioGroup(PageSink& sink, const RecordPage& page, const FieldDefinition& field) {
    const Place p = placeOf(page, field);
    const double gw = truncated(field.width / 10.0), gh = truncated(field.height / 4.5);
    whiteBox(sink, QRectF(QPointF(x(p.column - 1) + 8, y(p.row + 2)), at(p.column + gw - 1, p.row + gh - 1)));
    sink.setPen(PrintPen{kBlack, 0.5});
    const int chosen = DigitsToInt(valueOf(page, field));
    const QList<int> shown = field.shownButtons();
    for (int i : shown) {
        sink.setFillColour(i == chosen ? kBlack : kWhite);
        sink.circle({x(p.column) + 8, y(p.row + 3 * i + 1.7)}, 3, true);
    }
    sink.text({x(p.column - 1) + 8, y(p.row - 1.5)}, field.caption);
    for (int i : shown) sink.text({x(p.column + 1) + 8, y(p.row + 3 * i)}, field.buttons[i - 1]);
}

void drawLabel(PageSink& sink, const RecordPage& page, const FieldDefinition& field) {
    const Place p = placeOf(page, field);
    sink.setFont(arial(field.fontSize == 0 ? 10 : field.fontSize, field.size == 1));
    sink.setTextColour(paletteColour(field.colour == 0 ? 1 : field.colour));
    const QStringList lines = captionLines(field.caption, field.width, true);
    for (int k = 0; k < lines.size(); ++k)
        if (!lines[k].isEmpty()) sink.text({x(p.column - 1) + 8, y(p.row + 1 + 3 * k)}, lines[k]);
    sink.setTextColour(kBlack);
    sink.setFont(arial(7));
}

void drawMemo(PageSink& sink, const RecordPage& page, const FieldDefinition& field) {
    const Place p = placeOf(page, field);
    const double mw = truncated(field.width / 14.8);
    const int mh = int(truncated(field.height / 4.4));
    sink.rectangle(QRectF(QPointF(x(p.column - 1) + 8, y(p.row)), at(p.column + mw, p.row + mh)), false);
    sink.text({x(p.column - 1) + 8, y(p.row - 3)}, field.caption + QStringLiteral(" (Full memo may not show)"));
    const QStringList lines = memoLines(valueOf(page, field));
    for (int j = 0; j < std::min<qsizetype>(lines.size(), mh / 3); ++j)
        if (!lines[j].isEmpty()) sink.text({x(p.column - 0.75) + 8, y(p.row + 3 * j)}, lines[j]);
}

void drawTable(PageSink& sink, const RecordPage& page, const FieldDefinition& field);

}  // namespace

void drawRecordField(PageSink& sink, const RecordPage& page, const FieldDefinition& field) {
    sink.setFont(arial(7));
    switch (field.kind) {
    case FieldKind::Text: return drawText(sink, page, field);
    case FieldKind::CheckBox: return drawCheckBox(sink, page, field);
    case FieldKind::RadioGroup: return drawRadioGroup(sink, page, field);
    case FieldKind::Label: return drawLabel(sink, page, field);
    case FieldKind::Memo: return drawMemo(sink, page, field);
    case FieldKind::Table: return drawTable(sink, page, field);
    default: return;
    }
}

namespace {

// Column p's extent on the grid: column 0 from trunc(L / 14), each next one where the last ends.
QList<double> tableColumnEdges(const TableConstruction& table, int columns, int left) {
    QList<double> edges{truncated(left / 14.0)};
    edges << edges.last() + truncated(table.columns[0].size / 14.0);
    for (int p = 1; p <= columns; ++p) edges << edges.last() + truncated(10.0 * table.columns[p].size / 14.0);
    return edges;
}

QString tableCellText(const RecordPage& page, int column, int row) {
    const TableConstruction& table = page.table;
    if (row == 0) return column == 0 ? table.name : table.columns[column].title;
    if (column == 0) return table.rowNames[row - 1];
    return page.record.value(page.number, 70 + 5 * (row - 1) + column);
}

void drawTable(PageSink& sink, const RecordPage& page, const FieldDefinition& field) {
    const TableConstruction& table = page.table;
    if (table == TableConstruction{}) return;  // no Tdat row
    const int columns = std::clamp(table.columnCount, 0, ColumnMap::kTableColumns);
    const int rows = std::clamp(table.rowCount, 0, ColumnMap::kTableRows);
    const QList<double> edges = tableColumnEdges(table, columns, field.left);
    const double top = placeOf(page, field).row;
    for (int i = 0; i <= rows; ++i) {
        for (int p = 0; p <= columns; ++p) {
            const QPointF corner = at(edges[p], top + 4 * i);
            whiteBox(sink, QRectF(corner, at(edges[p + 1], top + 4 * i + 4)));
            sink.setFont(arial(7, i == 0 || p == 0));
            sink.text(corner, tableCellText(page, p, i));
        }
    }
    sink.setFont(arial(7));
}

}  // namespace

}  // namespace vn
