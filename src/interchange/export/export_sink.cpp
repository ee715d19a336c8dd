#include "interchange/export/export_sink.h"

#include "interchange/export/csv_export_file.h"
#include "interchange/export/text_export_file.h"
#include "interchange/export/xlsx_export_file.h"

namespace vn {

std::unique_ptr<ExportSink> makeExportSink(const ExportPlan& plan, ExportSummary& summary) {
    switch (plan.format) {
    case ExportFormat::Csv: return std::make_unique<CsvExportFile>(plan, summary);
    case ExportFormat::Xlsx: return std::make_unique<XlsxExportFile>(plan, summary);
    case ExportFormat::Text: break;
    }
    return std::make_unique<TextExportFile>(plan, summary);
}

}  // namespace vn
