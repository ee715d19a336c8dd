#include "platform/printing/pdf_printout.h"

#include "platform/printing/painter_sink.h"

#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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

}  // namespace

bool paintPrintout(QPagedPaintDevice& device, const Printout& printout) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const bool landscape = device.pageLayout().orientation() == QPageLayout::Landscape;
    PainterSink sink(painter, &device, QSizeF(device.width(), device.height()), landscape);
    printout.layout(sink);
    return painter.end();
}

QString writePdf(const Printout& printout, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(printout.title);
        writer.setCreator(QStringLiteral("Varnedo"));
        writer.setPageLayout(pdfPageLayout(printout.landscape));
        if (!paintPrintout(writer, printout)) return QStringLiteral("The PDF writer could not start.");
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace vn
