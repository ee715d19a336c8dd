#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace vn::test {

// The text of a PDF file as pdftotext reads it, pages separated by form feeds ("\f").
inline QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What pdfinfo says of a PDF file (page count, page size, ...).
inline QString pdfInfo(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of a PDF with its box in points, and each page's size.
struct PdfWords {
    struct Word {
        int page;
        QRectF box;
        QString text;
    };
    QList<QSizeF> pages;
    QList<Word> words;
};

inline PdfWords pdfWords(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished();
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression item(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfWords result;
    for (const QRegularExpressionMatch& m : item.globalMatch(html)) {
        if (m.capturedLength(1) > 0) {
            result.pages.append({m.captured(1).toDouble(), m.captured(2).toDouble()});
            continue;
        }
        const QRectF box(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                         QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()));
        result.words.append({int(result.pages.size()), box, m.captured(7)});
    }
    return result;
}

}  // namespace vn::test
