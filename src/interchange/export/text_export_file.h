#pragma once

#include "interchange/export/saved_file_sink.h"

namespace vn {

// A record's line of the text file, with what had to be said about its values.
struct TextExportLine {
    QString text;
    int joinedLineBreaks = 0;      // values whose line breaks became spaces
    int valuesWithSeparators = 0;  // values holding what the method puts between values
};

// The line of the values by the method. A line break inside a value (CR LF, CR, LF) becomes a
// space, so a record stays one line; delimiters, separators and tabs inside values stay as stored.
TextExportLine textExportLine(QStringList values, const CutSettings& format);

// The text file: one line a record, ended by CR LF, in the plan's charset.
class TextExportFile : public SavedFileSink {
public:
    TextExportFile(const ExportPlan& plan, ExportSummary& summary);
    void writeCaptions(const QStringList&) override {}
    void writeRecord(const QStringList& values) override { writeLine(textExportLine(values, m_format)); }
    void writeLine(const TextExportLine& line);

private:
    CutSettings m_format;
    TextCharset m_charset;
    ExportSummary& m_summary;
};

}  // namespace vn
