#pragma once

#include "interchange/export/saved_file_sink.h"

namespace vn {

// A CSV cell: quoted when it holds a comma, a quote or a line break, quotes doubled. With guard, a
// value a spreadsheet would run as a formula (=, +, - or @ first, not a number) gets an apostrophe
// before it, and guarded is counted up.
QString csvCell(const QString& value, bool guard, int& guarded);

// CSV by RFC 4180: a first row of the captions, CR LF line ends, UTF-8 with a byte-order mark when
// the plan asks for one. Line breaks inside values stay, quoted.
class CsvExportFile : public SavedFileSink {
public:
    CsvExportFile(const ExportPlan& plan, ExportSummary& summary);
    bool open(QString& failure) override;
    void writeCaptions(const QStringList& captions) override { writeRow(captions); }
    void writeRecord(const QStringList& values) override { writeRow(values); }

private:
    void writeRow(const QStringList& cells);

    bool m_byteOrderMark;
    bool m_guard;
    ExportSummary& m_summary;
};

}  // namespace vn
