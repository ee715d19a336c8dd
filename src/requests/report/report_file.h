#pragma once

#include "requests/report/report_document.h"

#include <QByteArray>
#include <QString>

namespace vn {

class Prompter;

inline const QString kReportFileName = QStringLiteral("VNRpt.Txt");

// The report file: per record each value followed by "~", CR LF; then the count. A line break
// or "~" inside a value is written as a space, so every record stays one line of its fields.
QByteArray reportFileBytes(const QList<ReportRecord>& records);

// "File": writes VNRpt.Txt into the Files folder whole or not at all (the old file stays on
// failure) and tells the user where it is, or why it could not be written. True when written.
bool writeReportFile(const QString& filesFolder, const QList<ReportRecord>& records, Prompter& prompter);

}  // namespace vn
