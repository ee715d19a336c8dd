#include "entry/printout/record_layout.h"

#include "entry/printout/record_fields.h"
#include "entry/printout/record_grid.h"
#include "entry/printout/sheet_plan.h"
#include "lists/definitions/definition_cache.h"

namespace vn {

namespace {

using record_grid::at;
using record_grid::x;
using record_grid::y;

struct HeaderBox {
    const char* label;
    int field;  // 0 the record key
    int row, width, column;
};

constexpr HeaderBox kHeaderBoxes[] = {
    {"Record Key", 0, 8, 12, 0},     {"Title", 1, 8, 3, 13},           {"First", 2, 8, 8, 17},
    {"M.I.", 3, 8, 2, 26},           {"Last", 4, 8, 12, 29},           {"Suffix", 5, 8, 3, 42},
    {"Home Phone", 6, 8, 10, 46},    {"Work Phone", 7, 16, 10, 0},     {"Email", 8, 16, 20, 11},
    {"Position/Title", 9, 16, 12, 32}, {"Company", 10, 16, 11, 45},   {"Address 1", 11, 24, 18, 0},
    {"Address 2", 12, 24, 18, 19},   {"City", 13, 24, 8, 38},          {"State", 14, 24, 3, 47},
    {"Zip", 15, 24, 5, 51},
};

PrintFont arial(double size, bool bold) { return PrintFont{QStringLiteral("Arial"), size, bold}; }

void drawHeader(PageSink& sink, const RecordSnapshot& record) {
    sink.setFont(arial(12, true));
    sink.text(at(0, 0), QStringLiteral("Varnedo Data Entry Printout:"));
    for (const HeaderBox& box : kHeaderBoxes) {
        sink.setFont(arial(10, false));
        sink.text(at(box.column, box.row - 4), QString::fromLatin1(box.label));
        sink.setFont(arial(10, true));
        sink.text({x(box.column) + 2, y(box.row)}, box.field == 0 ? record.key : record.header[box.field]);
        sink.rectangle(QRectF(at(box.column, box.row), at(box.column + box.width, box.row + 4)), false);
    }
}

void drawPageHeading(PageSink& sink, int page, int half) {
    sink.setPen(PrintPen{0xFF000000, 2});
    for (int row : {102 * half - 71, 102 * half + 31}) sink.line(at(0, row), at(80, row));
    sink.setPen(PrintPen{0xFF000000, 0.5});
    sink.setFont(arial(10, false));
    sink.text(at(24, 102 * half + 27), QStringLiteral("Page %1").arg(page));
}

}  // namespace

void layoutRecord(PageSink& sink, const RecordSnapshot& record, const DefinitionCache& definitions) {
    sink.setPen(PrintPen{0xFF000000, 0.5});
    sink.setTextColour(0xFF000000);
    drawHeader(sink, record);
    SheetPlan sheets;
    for (int page = 1; page <= kPageCount; ++page) {
        const int half = SheetPlan::half(page);
        const RecordPage drawn{record, definitions.tableConstruction(page), page, record_grid::baseRow(half)};
        bool headed = false;
        for (int number = 1; number <= ColumnMap::kDefinitionsPerPage; ++number) {
            const FieldDefinition& field = definitions.definition(page, number);
            if (!field.exists() || !field.active) continue;
            if (!headed) {
                if (sheets.place(page)) sink.newPage();
                drawPageHeading(sink, page, half);
                headed = true;
            }
            drawRecordField(sink, drawn, field);
        }
    }
}

}  // namespace vn
