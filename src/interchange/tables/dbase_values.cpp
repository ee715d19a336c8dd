#include "interchange/tables/dbase_values.h"

#include "interchange/tables/foreign_values.h"

#include <QDate>
#include <QTime>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace vn {

namespace {

bool isPad(char c) { return c == ' ' || c == '\0'; }

QByteArrayView trimmedRight(QByteArrayView bytes) {
    while (!bytes.isEmpty() && isPad(bytes.back())) bytes.chop(1);
    return bytes;
}

QByteArrayView trimmed(QByteArrayView bytes) {
    bytes = trimmedRight(bytes);
    while (!bytes.isEmpty() && isPad(bytes.front())) bytes = bytes.sliced(1);
    return bytes;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(QByteArrayView bytes) {
    for (char c : bytes)
        if (!isDigit(c)) return false;
    return true;
}

template <typename T>
T littleEndian(QByteArrayView bytes) {
    return qFromLittleEndian<T>(bytes.data());
}

double littleEndianDouble(QByteArrayView bytes) {
    const quint64 raw = littleEndian<quint64>(bytes);
    double value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

// "-12.50" as sign, digits and decimals kept exactly; an exponent only through a double.
std::optional<QString> numberText(QByteArrayView bytes, QString& why) {
    const QByteArrayView text = trimmed(bytes);
    if (text.isEmpty()) return QString();
    QByteArrayView rest = text;
    const bool negative = rest.front() == '-';
    if (negative || rest.front() == '+') rest = rest.sliced(1);
    const qsizetype point = rest.indexOf('.');
    const QByteArrayView whole = point < 0 ? rest : rest.first(point);
    const QByteArrayView fraction = point < 0 ? QByteArrayView() : rest.sliced(point + 1);
    if (!whole.isEmpty() || !fraction.isEmpty()) {
        if (allDigits(whole) && allDigits(fraction)) {
            const QString digits = QString::fromLatin1(whole) + QString::fromLatin1(fraction);
            return foreign_value::decimal(negative, digits, int(fraction.size()));
        }
    }
    bool ok = false;
    const double value = QByteArray(text.data(), text.size()).toDouble(&ok);
    const bool exponent = text.contains('e') || text.contains('E');
    if (ok && exponent && std::isfinite(value)) return foreign_value::floating(value);
    why = QStringLiteral("\"%1\" is not a number").arg(QString::fromLatin1(text));
    return std::nullopt;
}

std::optional<QString> dateText(QByteArrayView bytes, QString& why) {
    const QByteArrayView text = trimmed(bytes);
    if (text.isEmpty() || text == "00000000") return QString();
    const QDate date = text.size() == 8 && allDigits(text)
                           ? QDate(text.first(4).toInt(), text.sliced(4, 2).toInt(), text.sliced(6, 2).toInt())
                           : QDate();
    if (!date.isValid()) return why = QStringLiteral("\"%1\" is not a date").arg(QString::fromLatin1(text)), std::nullopt;
    return foreign_value::date(date);
}

std::optional<QString> logicalText(char c, QString& why) {
    switch (c) {
    case 'T': case 't': case 'Y': case 'y': return foreign_value::logical(true);
    case 'F': case 'f': case 'N': case 'n': return foreign_value::logical(false);
    case '?': case ' ': case '\0': return QString();
    default: return why = QStringLiteral("byte 0x%1 is not a logical value").arg(uchar(c), 2, 16, QLatin1Char('0')), std::nullopt;
    }
}

// Visual FoxPro's money: a 64-bit count of ten-thousandths, written without trailing zeros.
QString currencyText(qint64 units) {
    const bool negative = units < 0;
    const quint64 magnitude = negative ? 0 - quint64(units) : quint64(units);
    QString text = foreign_value::decimal(negative, QString::number(magnitude), 4);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

// Visual FoxPro's date-time: a Julian day and the milliseconds since midnight.
std::optional<QString> dateTimeText(QByteArrayView bytes, QString& why) {
    const qint32 day = littleEndian<qint32>(bytes.first(4));
    const qint32 milliseconds = littleEndian<qint32>(bytes.sliced(4));
    if (day == 0 && milliseconds == 0) return QString();
    if (milliseconds < 0 || milliseconds >= 24 * 3600 * 1000 || day < 0)
        return why = QStringLiteral("day %1, millisecond %2 is not a date and time").arg(day).arg(milliseconds), std::nullopt;
    return foreign_value::dateTime(day == 0 ? QDate() : QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(milliseconds));
}

}  // namespace

ForeignType dbaseColumnType(const DbaseField& field) {
    switch (field.type) {
    case 'N': return field.decimals == 0 ? ForeignType::Integer : ForeignType::Bcd;
    case 'F': return ForeignType::Floating;
    case 'D': return ForeignType::Date;
    case 'L': return ForeignType::Logical;
    case 'M': return ForeignType::Memo;
    case 'I': return ForeignType::Integer;
    case 'B': return field.isMemoPointer() ? ForeignType::Binary : ForeignType::Floating;
    case 'Y': return ForeignType::Currency;
    case 'T': return ForeignType::DateTime;
    case 'G':
    case 'P': return ForeignType::Binary;
    default: return ForeignType::Text;
    }
}

std::optional<QString> dbaseFieldText(const DbaseField& field, QByteArrayView bytes, QStringDecoder& decoder, QString& why) {
    switch (field.type) {
    case 'C': return QString(decoder(trimmedRight(bytes)));
    case 'N':
    case 'F': return numberText(bytes, why);
    case 'D': return dateText(bytes, why);
    case 'L': return logicalText(bytes.front(), why);
    case 'I': return foreign_value::integer(littleEndian<qint32>(bytes));
    case 'B': return foreign_value::floating(littleEndianDouble(bytes));
    case 'Y': return currencyText(littleEndian<qint64>(bytes));
    case 'T': return dateTimeText(bytes, why);
    default: return why = QStringLiteral("its type cannot be read as text"), std::nullopt;
    }
}

std::optional<quint64> dbaseMemoBlock(const DbaseField& field, QByteArrayView bytes, QString& why) {
    if (field.length == 4) return quint64(littleEndian<quint32>(bytes));
    const QByteArrayView digits = trimmed(bytes);
    if (!allDigits(digits)) return why = QStringLiteral("\"%1\" is not a memo block number").arg(QString::fromLatin1(digits)), std::nullopt;
    return digits.isEmpty() ? 0 : digits.toULongLong();
}

}  // namespace vn
