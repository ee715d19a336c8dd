#include "interchange/export/text_export_file.h"

#include "interchange/export/export_charset.h"
#include "interchange/export/export_line.h"

namespace vn {

namespace {

bool joinLineBreaks(QString& value) {
    if (!value.contains(QLatin1Char('\r')) && !value.contains(QLatin1Char('\n'))) return false;
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return true;
}

// What a reader of the line would take for the end of the value.
bool holdsSeparator(const QString& value, const CutSettings& format) {
    switch (format.method) {
    case FieldMethod::Delimited:
        return (!format.delimiter.isNull() && value.contains(format.delimiter)) ||
               (!format.separator.isNull() && value.contains(format.separator));
    case FieldMethod::Tab: return value.contains(QLatin1Char('\t'));
    default: return false;
    }
}

}  // namespace

TextExportLine textExportLine(QStringList values, const CutSettings& format) {
    TextExportLine line;
    for (QString& value : values) {
        if (joinLineBreaks(value)) ++line.joinedLineBreaks;
        if (holdsSeparator(value, format)) ++line.valuesWithSeparators;
    }
    line.text = buildExportLine(values, format);
    return line;
}

TextExportFile::TextExportFile(const ExportPlan& plan, ExportSummary& summary)
    : SavedFileSink(plan.path), m_format(plan.line), m_charset(plan.charset), m_summary(summary) {}

void TextExportFile::writeLine(const TextExportLine& line) {
    m_summary.joinedLineBreaks += line.joinedLineBreaks;
    m_summary.valuesWithSeparators += line.valuesWithSeparators;
    append(encodeExportText(line.text, m_charset, m_summary.replacedCharacters));
    append("\r\n");
}

}  // namespace vn
