#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace vn {

// How values of outside tables become text, the same for every reader.
namespace foreign_value {

QString integer(qint64 value);
// The shortest decimal that reads back as the same double, "." as its point, never an exponent.
QString floating(double value);
// A BCD value as its digits say, exactly: sign, digits, "." and the decimals.
QString decimal(bool negative, const QString& digits, int decimals);
QString date(const QDate& date);  // M/D/YYYY
QString time(const QTime& time);  // h:mm:ss AM/PM
// Both, the time left out at midnight.
QString dateTime(const QDate& date, const QTime& time);
QString logical(bool value);  // True / False

}  // namespace foreign_value

}  // namespace vn
