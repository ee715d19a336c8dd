#include "lists/pages/page_layout.h"

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_cache.h"
#include "lists/pages/page_geometry.h"
#include "platform/printing/palette.h"

#include <algorithm>

namespace vn {

namespace {

using Kind = LayoutItem::Kind;

constexpr int kPageFontSize = 8;
constexpr int kCaptionLine = 13;
constexpr int kCaptionCharacter = 14;  // a text field's caption counts 14 per character against 2 box widths
constexpr int kMemoCaptionGap = 16;
constexpr int kRadioRow = 17;    // buttons sit one row apart, the first one row below the group's top
constexpr int kRadioInset = 8;   // on each side of a button
constexpr int kGridLine = 3;
constexpr int kGridRow = 17;
constexpr int kTitleRow = 20;
constexpr int kCellHeight = kGridRow - kGridLine;
constexpr int kFirstCellTab = 21;

enum Palette { Maroon = 2, Red = 10, Lime = 11, Yellow = 12, Blue = 13, Fuchsia = 14, Aqua = 15, White = 16 };

int characterCount(const QString& text) { return int(text.toUcs4().size()); }

// Lines a text needs in a box: the larger of its extent and two box widths, in units of two box
// widths (so at least one line).
int lineCount(int textExtent, int boxWidth) {
    if (boxWidth <= 0) return 1;
    const int span = 2 * boxWidth;
    return std::max(textExtent, span) / span;
}

int recordColumnOf(const FieldDefinition& d) { return d.recordColumn().value_or(0); }

QString fieldName(const FieldDefinition& d) {
    return d.caption.isEmpty() ? QString::fromLatin1(fieldKindName(d.kind)) : d.caption;
}

// Where the cells of a table go: x of each column's cells and y of each row's, from the grid's
// lines (3 px each) around the row-name column and the data columns.
class TableGrid {
public:
    TableGrid(const TableConstruction& t, QPoint origin)
        : m_table(t), m_origin(origin), m_columns(std::clamp(t.columnCount, 0, ColumnMap::kTableColumns)),
          m_rows(std::clamp(t.rowCount, 0, ColumnMap::kTableRows)) {}

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int nameWidth() const { return m_table.columns[0].size; }
    int cellWidth(int column) const { return m_table.columns[column].size * 10; }

    // x of the vertical line left of column 0..columns, and the doubled right edge after them.
    QList<int> verticalLines() const {
        QList<int> xs{m_origin.x()};
        for (int c = 0; c <= m_columns; ++c) xs << cellLeft(c) + columnWidth(c);
        xs << xs.last() + kGridLine;
        return xs;
    }
    int cellLeft(int column) const {
        int x = m_origin.x() + kGridLine;
        for (int c = 0; c < column; ++c) x += columnWidth(c) + kGridLine;
        return x;
    }
    int rowTop(int row) const { return m_origin.y() + (row == 0 ? kGridLine : kTitleRow + kGridRow * (row - 1)); }
    QRect box(int row, int column) const { return {cellLeft(column), rowTop(row), columnWidth(column), kCellHeight}; }

private:
    int columnWidth(int column) const { return column == 0 ? nameWidth() : cellWidth(column); }

    const TableConstruction& m_table;
    QPoint m_origin;
    int m_columns;
    int m_rows;
};

class PageLayout {
public:
    PageLayout(const TextMeasure& measure, bool inDesigner) : m_measure(measure), m_inDesigner(inDesigner) {}

    void add(const FieldDefinition& d, const TableConstruction& table) {
        switch (d.kind) {
        case FieldKind::Text: textField(d); break;
        case FieldKind::Memo: memo(d); break;
        case FieldKind::CheckBox: checkBox(d); break;
        case FieldKind::RadioGroup: radioGroup(d); break;
        case FieldKind::Label:
        case FieldKind::Link: label(d); break;
        case FieldKind::Table: grid(d, table); break;
        case FieldKind::None: break;
        }
    }

    QList<LayoutItem> items;

private:
    LayoutItem& push(const FieldDefinition& d, Kind kind, const QRect& rect, const QString& text = {}) {
        LayoutItem item;
        item.kind = kind;
        item.rect = rect;
        item.text = text;
        item.name = fieldName(d);
        item.definitionNumber = d.number();
        item.fieldKind = d.kind;
        item.slot = d.slot;
        item.pointSize = kPageFontSize;
        items << item;
        return items.last();
    }

    void textField(const FieldDefinition& d) {
        const int lines = lineCount(kCaptionCharacter * characterCount(d.caption), d.width);
        push(d, Kind::Caption, {d.left, d.top - kCaptionLine * lines, d.width, kCaptionLine * lines}, d.caption);
        const bool showTab = m_inDesigner && d.tabOrder > 0;
        LayoutItem& box = push(d, Kind::TextBox, {d.left, d.top, d.width, page::kLineHeight},
                               showTab ? QString::number(d.tabOrder) : QString());
        box.recordColumn = recordColumnOf(d);
        box.tabOrder = d.tabOrder;
    }

    void memo(const FieldDefinition& d) {
        const int captionWidth = m_measure.width(d.caption, kPageFontSize, false);
        push(d, Kind::Caption, {d.left, d.top - kMemoCaptionGap, captionWidth, kMemoCaptionGap}, d.caption);
        push(d, Kind::MemoBox, {d.left, d.top, d.width, d.height}).recordColumn = recordColumnOf(d);
    }

    void checkBox(const FieldDefinition& d) {
        push(d, Kind::CheckBox, {d.left, d.top, d.width, page::kLineHeight}, d.caption).recordColumn = recordColumnOf(d);
    }

    void radioGroup(const FieldDefinition& d) {
        const int column = recordColumnOf(d);
        push(d, Kind::RadioGroup, {d.left, d.top, d.width, d.height}, d.caption).recordColumn = column;
        int top = d.top + kRadioRow;
        for (int n : d.shownButtons()) {
            const QRect rect{d.left + kRadioInset, top, d.width - 2 * kRadioInset, kRadioRow};
            LayoutItem& button = push(d, Kind::RadioButton, rect, d.buttons[n - 1]);
            button.recordColumn = column;
            button.buttonNumber = n;
            button.name = d.buttons[n - 1];
            top += kRadioRow;
        }
    }

    void label(const FieldDefinition& d) {
        const bool link = d.kind == FieldKind::Link;
        const int size = d.shownFontSize();
        const int lines = lineCount(characterCount(d.caption) * (size + 8), d.width);
        const QRect rect{d.left, d.top, d.width, (size + 9) * (lines + 1)};
        LayoutItem& item = push(d, link ? Kind::Link : Kind::Label, rect, d.caption);
        item.pointSize = size;
        item.colour = d.shownColour();
        item.bold = !link && d.size == 1;
        item.underline = link;
    }

    void grid(const FieldDefinition& d, const TableConstruction& t) {
        const TableGrid g(t, {d.left, d.top});
        gridLines(d, t, g);
        gridTexts(d, t, g);
        gridCells(d, t, g);
    }

    void gridLines(const FieldDefinition& d, const TableConstruction& t, const TableGrid& g) {
        const int height = kGridRow * g.rows() + kTitleRow;
        for (int x : g.verticalLines()) push(d, Kind::TableLine, {x, d.top, kGridLine, height}).colour = paletteColour(White);
        const int width = tableExtent(t).width();
        for (int i = 0; i < g.rows() + 2; ++i)
            push(d, Kind::TableLine, {d.left, d.top + kGridRow * i, width, kGridLine}).colour = paletteColour(White);
    }

    void gridTexts(const FieldDefinition& d, const TableConstruction& t, const TableGrid& g) {
        pushTableText(d, g, 0, 0, t.name);
        for (int c = 1; c <= g.columns(); ++c) pushTableText(d, g, 0, c, t.columns[c].title);
        for (int r = 1; r <= g.rows(); ++r) pushTableText(d, g, r, 0, t.rowNames[r - 1]);
    }

    void pushTableText(const FieldDefinition& d, const TableGrid& g, int row, int column, const QString& text) {
        LayoutItem& item = push(d, Kind::TableText, g.box(row, column), text);
        item.row = row;
        item.column = column;
    }

    void gridCells(const FieldDefinition& d, const TableConstruction& t, const TableGrid& g) {
        const QString table = d.caption.isEmpty() && !t.name.isEmpty() ? t.name : fieldName(d);
        int tab = kFirstCellTab;
        for (int r = 1; r <= g.rows(); ++r)
            for (int c = 1; c <= g.columns(); ++c) {
                LayoutItem& cell = push(d, Kind::TableCell, g.box(r, c));
                cell.name = QStringLiteral("%1 row %2 column %3").arg(table).arg(r).arg(c);
                cell.row = r;
                cell.column = c;
                cell.recordColumn = ColumnMap::tableCellColumn(r, c).value_or(0);
                cell.tabOrder = tab++;
            }
    }

    const TextMeasure& m_measure;
    bool m_inDesigner;
};

}  // namespace

QList<LayoutItem> layoutPage(const DefinitionCache& cache, int page, const TextMeasure& measure, bool inDesigner) {
    PageLayout layout(measure, inDesigner);
    for (const FieldDefinition& d : cache.pageDefinitions(page))
        if (d.active) layout.add(d, cache.tableConstruction(page));
    return layout.items;
}

quint32 highlightColour(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text: return paletteColour(Lime);
    case FieldKind::Memo: return paletteColour(Blue);
    case FieldKind::CheckBox: return paletteColour(Red);
    case FieldKind::RadioGroup: return paletteColour(Aqua);
    case FieldKind::Label: return paletteColour(Yellow);
    case FieldKind::Link: return paletteColour(Fuchsia);
    case FieldKind::Table: return paletteColour(Maroon);
    case FieldKind::None: break;
    }
    return 0;
}

}  // namespace vn
