#pragma once

#include "requests/report/record_order.h"
#include "requests/report/report_summing.h"
#include "requests/request.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

// One record of a report: its key and its formatted values in print order.
struct ReportRecord {
    QString key;
    QStringList values;
};

// Everything a report output draws or writes; built once from the store, then handed to the
// screen, the file or the printer.
struct ReportDocument {
    QString displayText;  // the request's, with its "Print report: Records " prefix
    QDate date;
    QList<PrintField> fields;      // in print order
    QList<ReportRecord> records;   // in report order
    QStringList legend;            // one line per grid-cell print field
    ReportSumming summing;         // printer only
};

}  // namespace vn
