#include "entry/printout/blank_form_layout.h"

#include "entry/printout/blank_form_fields.h"
#include "entry/printout/printout_text.h"
#include "entry/printout/sheet_plan.h"
#include "lists/definitions/definition_cache.h"

namespace vn {

namespace {

constexpr quint32 kBlack = 0xFF000000;

struct HeaderBox {
    const char* caption;
    int firstColumn, lastColumn, topRow;
};

constexpr HeaderBox kHeaderBoxes[] = {
    {"Title", 15, 21, 4},          {"First", 22, 35, 4},     {"M.I.", 36, 39, 4},          {"Last", 40, 58, 4},
    {"Suffix", 59, 65, 4},         {"Home Phone", 66, 79, 4}, {"Work Phone", 0, 13, 9},     {"Email Address", 14, 36, 9},
    {"Position/Title", 37, 56, 9}, {"Company", 58, 79, 9},    {"Address 1", 0, 23, 14},     {"Address 2", 24, 47, 14},
    {"City", 48, 62, 14},          {"State", 63, 67, 14},    {"Zip", 68, 79, 14},
};

PrintFont arial(double size, bool bold = false, bool italic = false) {
    return PrintFont{QStringLiteral("Arial"), size, bold, italic};
}

void drawRecordCode(PageSink& sink, const BlankFormGeometry& g, const QString& code) {
    sink.setFont(arial(10));
    sink.text(g.at(0, 2), QStringLiteral("Record Code"));
    sink.rectangle(g.cells(0, 4, 5, 6), false);
    sink.setFont(arial(12, true));
    sink.text({g.column, 5 * g.row - g.lineHeight(12) / 2}, code);
    sink.setFillColour(kBlack);
    sink.rectangle(g.cells(5, 4, 14, 6), true);
}

void drawHeader(PageSink& sink, const BlankFormGeometry& g, const QString& code) {
    sink.setPen(PrintPen{kBlack, 4});
    drawRecordCode(sink, g, code);
    sink.setFont(arial(10));
    for (const HeaderBox& box : kHeaderBoxes) {
        sink.text(g.at(box.firstColumn, box.topRow - 2), QString::fromLatin1(box.caption));
        sink.rectangle(g.cells(box.firstColumn, box.topRow, box.lastColumn, box.topRow + 2), false);
    }
}

void drawFooter(PageSink& sink, const BlankFormGeometry& g) {
    sink.setFont(arial(6, true, true));
    const double width = kBlankFormFooter.size() * g.averageCharWidth(6);
    sink.text({36 * g.column - width / 2, 79 * g.row}, kBlankFormFooter);
}

void drawPage(PageSink& sink, const BlankFormGeometry& g, const DefinitionCache& definitions, int page) {
    const double s = SheetPlan::half(page) == 1 ? 17 : 47;
    sink.setPen(PrintPen{kBlack, 10});
    sink.rectangle(g.cells(0, s + 2, 80, s + 31), false);
    sink.setFont(arial(10, true));
    sink.text(g.at(37, s + 29), definitions.pageTitle(page));
    sink.setPen(PrintPen{kBlack, 4});
    sink.setFont(arial(7));
    const BlankFormRegion region{g, definitions.tableConstruction(page), s};
    for (const FieldDefinition& field : definitions.pageDefinitions(page))
        if (field.active) drawBlankField(sink, region, field);
    sink.setFont(arial(8));
}

}  // namespace

void layoutBlankForm(PageSink& sink, const DefinitionCache& definitions) {
    const BlankFormGeometry g(sink.pageSize());
    sink.setTextColour(kBlack);
    drawHeader(sink, g, definitions.listCode());
    SheetPlan sheets;
    for (int page = 1; page <= kPagesPerList; ++page) {
        if (definitions.definitionCount(page) == 0) continue;
        if (sheets.place(page)) {
            drawFooter(sink, g);
            sink.newPage();
        }
        drawPage(sink, g, definitions, page);
    }
    drawFooter(sink, g);
}

Printout blankFormPrintout(std::shared_ptr<const DefinitionCache> definitions) {
    Printout printout;
    const QString code = definitions ? definitions->listCode() : QString();
    printout.title = QStringLiteral("Varnedo Form %1").arg(code);
    printout.pdfFileName = plainFileStem(code) + QStringLiteral("Form.pdf");
    printout.layout = [definitions = std::move(definitions)](PageSink& sink) {
        layoutBlankForm(sink, definitions ? *definitions : DefinitionCache());
    };
    return printout;
}

}  // namespace vn
