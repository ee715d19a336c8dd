#pragma once

#include <QDateTime>
#include <QString>

namespace vn {

// The one text form of dates and times written into tables: "M/d/yyyy h:mm:ss AP", C locale.
QString formatTableDateTime(const QDateTime& dateTime);

// Reads that form with or without seconds, 24-hour "M/d/yyyy H:mm[:ss]" and "yyyy-MM-dd hh:mm:ss",
// a date alone, and ISO 8601. Invalid for anything else.
QDateTime parseTableDateTime(const QString& text);

}  // namespace vn
