#include "interchange/tables/foreign_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vn::foreign_value {

QString integer(qint64 value) { return QString::number(value); }

QString floating(double value) {
    if (!std::isfinite(value)) return QString();
    char buffer[400];  // the longest fixed form of a double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return QString();
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString decimal(bool negative, const QString& digits, int decimals) {
    QString whole = digits.left(std::max<qsizetype>(digits.size() - decimals, 0));
    QString fraction = digits.right(std::min<qsizetype>(decimals, digits.size())).rightJustified(decimals, u'0');
    while (whole.size() > 1 && whole.startsWith(u'0')) whole.remove(0, 1);
    if (whole.isEmpty()) whole = QStringLiteral("0");
    QString text = fraction.isEmpty() ? whole : whole + u'.' + fraction;
    const bool zero = std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    return negative && !zero ? u'-' + text : text;
}

QString date(const QDate& value) { return value.isValid() ? value.toString(QStringLiteral("M/d/yyyy")) : QString(); }

QString time(const QTime& value) { return value.isValid() ? value.toString(QStringLiteral("h:mm:ss AP")) : QString(); }

QString dateTime(const QDate& day, const QTime& moment) {
    if (!day.isValid()) return time(moment);
    if (!moment.isValid() || moment == QTime(0, 0)) return date(day);
    return date(day) + u' ' + time(moment);
}

QString logical(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace vn::foreign_value
