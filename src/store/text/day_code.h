#pragma once

#include <QDate>
#include <QString>

namespace vn {

// Four upper-case letters that change daily: month, day and year (last two digits), each
// moved into 'A'..'Z' by steps of ten, then a check letter from their sum.
QString DayCode(QDate today = QDate::currentDate());

// Whether a typed code is today's, in either case.
bool MatchesDayCode(const QString& typed, QDate today = QDate::currentDate());

}  // namespace vn
