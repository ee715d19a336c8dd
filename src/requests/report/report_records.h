#pragma once

#include "requests/evaluation/evaluation.h"
#include "requests/report/report_document.h"

namespace vn {

class DefinitionCache;
class RecordAccess;

// The request's matches in report order with their formatted values. Each record is read once;
// a record no longer in Head is left out, a missing page row reads empty.
QList<ReportRecord> readReportRecords(RecordAccess& access, const DefinitionCache& definitions,
                                      const SqlRequest& request, LabelSort labelSort,
                                      const LinkedFieldReader& linked = {});

// The legend lines of the grid-cell print fields: caption  >>>  grid / column / row.
QStringList reportLegend(const QList<PrintField>& fields, const DefinitionCache& definitions);

// The whole document for one output of the request.
ReportDocument buildReport(RecordAccess& access, const DefinitionCache& definitions, const SqlRequest& request,
                           LabelSort labelSort, ReportSumming summing, QDate date,
                           const LinkedFieldReader& linked = {});

}  // namespace vn
