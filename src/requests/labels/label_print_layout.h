#pragma once

#include "platform/printing/page_sink.h"
#include "platform/printing/printout.h"
#include "requests/labels/label_content.h"
#include "requests/labels/label_sheet.h"

namespace vn {

inline const QString kLabelPdfFileName = QStringLiteral("VNLabels.pdf");

// Where a stock's labels print on a page, in the page's units. The page is taken as 8.14 by
// 10.6533 inches of printable area (letter paper less the printer's border), the sheet's labels
// as spread over 8 by 10 inches of it.
struct LabelGeometry {
    int unitsPerInchDown = 0;    // a
    int unitsPerInchAcross = 0;  // b
    int left = 0;
    int top = 0;
    int lineHeight = 0;  // five lines fill a row's share of the 10 inches
    int verticalGap = 0;
    int verticalPitch = 0;  // 6 units more than the label when the rows leave no gap
    int horizontalGap = 0;
    int horizontalPitch = 0;
    int labelWidth = 0;
    int labelHeight = 0;

    bool operator==(const LabelGeometry&) const = default;
};

// Each result truncated toward zero.
LabelGeometry labelGeometry(QSizeF page, const LabelStock& stock);

// The text of a label starts this many units right of its left edge.
inline constexpr int kLabelTextIndent = 75;

// Where line `line` (0 the first) of the label at the position starts.
QPointF labelLineAt(const LabelGeometry& geometry, const LabelStock& stock, int position, int line);
// What a label's text may cover: its width, and its row down to the next row.
QRectF labelArea(const LabelGeometry& geometry, const LabelStock& stock, int position);

// Prints the labels in order on the present positions of the first sheet, then on fresh sheets
// (a page each); each label's lines in the stock's printing font, bold, cut at its edges.
void layoutLabels(PageSink& sink, const LabelStock& stock, const LabelSheet& firstSheet, const QList<LabelLines>& labels);

// Letter paper whose margins leave exactly 8.14 by 10.6533 inches, so a PDF's units per inch
// are whole and the labels land on the stock.
PrintPaper labelPaper();

// The labels' printout, VNLabels.pdf when no printer is installed.
Printout labelPrintout(const LabelStock& stock, const LabelSheet& firstSheet, QList<LabelLines> labels);

}  // namespace vn
