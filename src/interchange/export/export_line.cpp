#include "interchange/export/export_line.h"

namespace vn {

namespace {

QString fixedLengthLine(const QStringList& values, int size) {
    QString line;
    line.reserve(values.size() * qMax(size, 0));
    for (const QString& value : values) line += value.left(size).leftJustified(size, QLatin1Char(' '));
    return line;
}

QString delimitedLine(const QStringList& values, QChar delimiter, QChar separator) {
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0 && !separator.isNull()) line += separator;
        if (!delimiter.isNull()) line += delimiter;
        line += values[i];
        if (!delimiter.isNull()) line += delimiter;
    }
    return line;
}

}  // namespace

QString buildExportLine(const QStringList& values, const CutSettings& format) {
    switch (format.method) {
    case FieldMethod::FixedLength: return fixedLengthLine(values, format.size);
    case FieldMethod::Delimited: return delimitedLine(values, format.delimiter, format.separator);
    case FieldMethod::Tab: return values.isEmpty() ? QString() : values.join(QLatin1Char('\t')) + QLatin1Char('\t');
    case FieldMethod::None: break;
    }
    return QString();
}

QString previewExportLine(const QStringList& captions, const CutSettings& format) {
    if (format.method == FieldMethod::Tab) return captions.join(QLatin1Char('\t'));
    return buildExportLine(captions, format);
}

}  // namespace vn
