#include "platform/printing/pdf_printout.h"

#include "platform/printing/painter_sink.h"
#include "platform/whole_file.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace vn {

namespace {

QPageSize paperSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

// A PDF page keeps the border that printers cannot print on, so it looks like the printed page.
QPageLayout pdfPageLayout(bool landscape) {
    return QPageLayout(paperSize(), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

constexpr int kPointsPerInch = 72;

QPageLayout pointsOnA4() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Point);
}

}  // namespace

QPageLayout paperLayout(const PrintPaper& paper, bool landscape) {
    return QPageLayout(QPageSize(paper.inches, QPageSize::Inch), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       paper.marginInches, QPageLayout::Inch);
}

bool paintPrintout(QPagedPaintDevice& device, const Printout& printout) {
    if (printout.paint) {
        printout.paint(device);
        return true;
    }
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const bool landscape = device.pageLayout().orientation() == QPageLayout::Landscape;
    PainterSink sink(painter, &device, QSizeF(device.width(), device.height()), landscape);
    printout.layout(sink);
    return painter.end();
}

QString writePdf(const Printout& printout, const QString& path, PdfPage page) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(printout.title);
        writer.setCreator(QStringLiteral("Varnedo"));
        if (printout.paper) {
            writer.setResolution(printout.paper->pdfDotsPerInch);
            writer.setPageLayout(paperLayout(*printout.paper, printout.landscape));
        } else {
            if (page.pointsOnA4) writer.setResolution(kPointsPerInch);
            writer.setPageLayout(page.pointsOnA4 ? pointsOnA4() : pdfPageLayout(printout.landscape));
        }
        if (!paintPrintout(writer, printout)) return QStringLiteral("The PDF writer could not start.");
    }
    return writeWholeFile(path, pdf.data());
}

}  // namespace vn
