#pragma once

#include "interchange/export/export_sink.h"

#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace vn {

// A workbook of one sheet named by the list code: a bold caption row kept in view, then a row a
// record, every value a string cell ("01234" keeps its zero), line breaks as LF. Values beyond a cell's 32,767
// characters are cut and counted. The workbook is written to a temporary file beside the target
// and renamed over it when complete.
class XlsxExportFile : public ExportSink {
public:
    static constexpr qsizetype kCellCharacters = 32767;

    XlsxExportFile(const ExportPlan& plan, ExportSummary& summary);
    ~XlsxExportFile() override;
    bool open(QString& failure) override;
    void writeCaptions(const QStringList& captions) override;
    void writeRecord(const QStringList& values) override;
    bool commit(QString& failure) override;

private:
    void writeRow(const QStringList& cells, lxw_format* format);
    void note(int error);
    void discard();

    QString m_path;
    QString m_temporary;
    QString m_sheetName;
    ExportSummary& m_summary;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_bold = nullptr;
    int m_row = 0;
    int m_error = 0;  // the first failed call's lxw_error
};

}  // namespace vn
