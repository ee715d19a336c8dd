#include "requests/labels/label_print_layout.h"

#include "requests/labels/label_placement.h"

namespace vn {

namespace {

// The printable area in ten-thousandths of an inch, and the share the labels are spread over.
constexpr qint64 kAreaHeight = 106533, kAreaWidth = 81400;
constexpr qint64 kLabelsHeight = 10 * FixedPoint4::kScale, kLabelsWidth = 8 * FixedPoint4::kScale;
constexpr int kLinesPerLabel = 5;
constexpr int kGaplessPitchExtra = 6;

// Letter paper at the PDF's resolution: the area above is 2442 by 3196 dots to the dot.
constexpr int kPdfDots = 300;
constexpr QSize kLetterDots{2550, 3300}, kAreaDots{2442, 3196};

// units per inch x size in inches, truncated.
qint64 unitsOf(qint64 unitsPerInch, FixedPoint4 inches) { return unitsPerInch * inches.units() / FixedPoint4::kScale; }

// What is left of `room` after `count` labels of `size`, shared by the spaces between them.
int gap(qint64 unitsPerInch, qint64 room, int count, FixedPoint4 size) {
    if (count <= 1) return 0;
    return int(unitsPerInch * (room - count * size.units()) / (FixedPoint4::kScale * (count - 1)));
}

}  // namespace

LabelGeometry labelGeometry(QSizeF page, const LabelStock& stock) {
    LabelGeometry g;
    const qint64 a = qint64(page.height()) * FixedPoint4::kScale / kAreaHeight;
    const qint64 b = qint64(page.width()) * FixedPoint4::kScale / kAreaWidth;
    g.unitsPerInchDown = int(a);
    g.unitsPerInchAcross = int(b);
    g.left = int(b / 8);        // an eighth of an inch
    g.top = int(a * 5 / 16);    // five sixteenths
    g.lineHeight = int(a * 10 / (qint64(std::max(stock.down, 1)) * kLinesPerLabel));
    g.labelWidth = int(unitsOf(b, stock.width));
    g.labelHeight = int(unitsOf(a, stock.height));
    g.verticalGap = gap(a, kLabelsHeight, stock.down, stock.height);
    g.verticalPitch = g.labelHeight + (g.verticalGap == 0 ? kGaplessPitchExtra : g.verticalGap);
    g.horizontalGap = gap(b, kLabelsWidth, stock.across, stock.width);
    g.horizontalPitch = g.labelWidth + g.horizontalGap;
    return g;
}

QRectF labelArea(const LabelGeometry& g, const LabelStock& stock, int position) {
    const int across = std::max(stock.across, 1);
    const int row = (position - 1) / across, column = (position - 1) % across;
    return QRectF(g.left + g.horizontalPitch * column, g.top + g.verticalPitch * row, g.labelWidth, g.verticalPitch);
}

QPointF labelLineAt(const LabelGeometry& g, const LabelStock& stock, int position, int line) {
    const QRectF area = labelArea(g, stock, position);
    return {area.left() + kLabelTextIndent, area.top() + g.lineHeight * line};
}

void layoutLabels(PageSink& sink, const LabelStock& stock, const LabelSheet& firstSheet, const QList<LabelLines>& labels) {
    const LabelGeometry g = labelGeometry(sink.pageSize(), stock);
    sink.setFont(printFont(stock.printFontSize, true));
    LabelPlacer placer(firstSheet);
    int sheet = 0;
    for (const LabelLines& label : labels) {
        const LabelPlace place = placer.next();
        for (; sheet < place.sheet; ++sheet) sink.newPage();
        sink.setClip(labelArea(g, stock, place.position));
        for (int line = 0; line < label.size(); ++line)
            sink.text(labelLineAt(g, stock, place.position, line), label[line]);
        sink.clearClip();
    }
}

PrintPaper labelPaper() {
    const auto inches = [](int dots) { return double(dots) / kPdfDots; };
    const double side = inches((kLetterDots.width() - kAreaDots.width()) / 2);
    const double edge = inches((kLetterDots.height() - kAreaDots.height()) / 2);
    return {QSizeF(inches(kLetterDots.width()), inches(kLetterDots.height())), QMarginsF(side, edge, side, edge), kPdfDots};
}

Printout labelPrintout(const LabelStock& stock, const LabelSheet& firstSheet, QList<LabelLines> labels) {
    Printout printout;
    printout.title = QStringLiteral("Varnedo Labels");
    printout.pdfFileName = kLabelPdfFileName;
    printout.layout = [stock, firstSheet, labels = std::move(labels)](PageSink& sink) {
        layoutLabels(sink, stock, firstSheet, labels);
    };
    printout.paper = labelPaper();
    return printout;
}

}  // namespace vn
