#include "interchange/tables/paradox/paradox_values.h"

#include "interchange/tables/foreign_values.h"

extern "C" {
#include <paradox.h>
}

#include <algorithm>
#include <cmath>

namespace vn {

namespace {

// Paradox counts days from January 1 of the year 1 as day 1.
constexpr qint64 kJulianDayZero = 1721425;
constexpr qint64 kMillisecondsADay = 86400000;
constexpr int kMemoTail = 10;

// Days before the year 1 are dates too (Paradox keeps them); they are written with their year.
std::optional<QDate> dayOf(qint64 day) {
    const QDate date = QDate::fromJulianDay(day + kJulianDayZero);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

}  // namespace

ForeignType foreignTypeOf(const ParadoxField& field) {
    using namespace paradox_type;
    switch (field.type) {
    case Alpha: return ForeignType::Text;
    case Short:
    case Long:
    case AutoInc: return ForeignType::Integer;
    case Number: return ForeignType::Floating;
    case Currency: return ForeignType::Currency;
    case Bcd: return ForeignType::Bcd;
    case Date: return ForeignType::Date;
    case Time: return ForeignType::Time;
    case Timestamp: return ForeignType::DateTime;
    case Logical: return ForeignType::Logical;
    case Memo:
    case FmtMemo: return ForeignType::Memo;
    default: return ForeignType::Binary;
    }
}

std::optional<QString> bcdText(QByteArrayView bytes) {
    // The first byte: the sign (set when positive), whether a value is set, the decimals.
    const quint8 head = quint8(bytes[0]);
    if ((head & 0x40) == 0) return QString();
    const bool negative = (head & 0x80) == 0;
    const int decimals = head & 0x3F;
    if (decimals > 32) return std::nullopt;
    QString digits;
    for (qsizetype i = 1; i < 17; ++i) {
        for (const int shift : {4, 0}) {
            int digit = (quint8(bytes[i]) >> shift) & 0xF;
            if (negative) digit = 0xF - digit;
            if (digit > 9) return std::nullopt;
            digits.append(QChar(u'0' + digit));
        }
    }
    return foreign_value::decimal(negative, digits, decimals);
}

std::optional<QString> ParadoxValueReader::text(const ParadoxField& field, QByteArrayView bytes, QString& problem) const {
    using namespace paradox_type;
    QByteArray copy = bytes.toByteArray();  // pxlib takes its input as writable
    // All zero bytes: no value set (pxlib 0.6.8 reads a zero long field as -2147483648).
    const bool unset = std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte == 0; });
    switch (field.type) {
    case Alpha: return text_.decode(bytes);
    case Memo:
    case FmtMemo: return memo(bytes, problem);
    case Bcd: {
        auto value = bcdText(bytes);
        if (!value) problem = QStringLiteral("its BCD value holds a byte that is not two digits");
        return value;
    }
    case Date:
    case Time:
    case Timestamp: return unset ? QString() : moment(field, copy.data(), problem);
    case Short:
    case Long:
    case AutoInc:
    case Number:
    case Currency:
    case Logical: return unset ? QString() : number(field, copy.data(), problem);
    default: return QString();  // binary values are not read: they cannot be imported
    }
}

std::optional<QString> ParadoxValueReader::number(const ParadoxField& field, char* bytes, QString& problem) const {
    using namespace paradox_type;
    if (field.type == Short) {
        short value = 0;
        return PX_get_data_short(doc_, bytes, field.size, &value) > 0 ? foreign_value::integer(value) : QString();
    }
    if (field.type == Long || field.type == AutoInc) {
        long value = 0;
        return PX_get_data_long(doc_, bytes, field.size, &value) > 0 ? foreign_value::integer(value) : QString();
    }
    if (field.type == Logical) {
        char value = 0;
        if (PX_get_data_byte(doc_, bytes, field.size, &value) <= 0) return QString();
        if (value != 0 && value != 1) {
            problem = QStringLiteral("its logical value is %1").arg(int(value));
            return std::nullopt;
        }
        return foreign_value::logical(value == 1);
    }
    double value = 0;
    return PX_get_data_double(doc_, bytes, field.size, &value) > 0 ? foreign_value::floating(value) : QString();
}

std::optional<QString> ParadoxValueReader::moment(const ParadoxField& field, char* bytes, QString& problem) const {
    using namespace paradox_type;
    qint64 day = 0, milliseconds = 0;
    if (field.type == Timestamp) {
        double value = 0;
        if (PX_get_data_double(doc_, bytes, field.size, &value) <= 0) return QString();
        if (!std::isfinite(value) || std::fabs(value) > 1e17) milliseconds = -1;
        else {
            const qint64 whole = std::llround(value);
            day = whole / kMillisecondsADay - (whole % kMillisecondsADay < 0 ? 1 : 0);
            milliseconds = whole - day * kMillisecondsADay;
        }
    } else {
        long value = 0;
        if (PX_get_data_long(doc_, bytes, field.size, &value) <= 0) return QString();
        (field.type == Date ? day : milliseconds) = value;
    }
    const auto date = dayOf(day);
    const bool timeFits = milliseconds >= 0 && milliseconds < kMillisecondsADay;
    if (!timeFits || (field.type != Time && !date)) {
        problem = QStringLiteral("its date or time is out of range");
        return std::nullopt;
    }
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(milliseconds));
    if (field.type == Date) return foreign_value::date(*date);
    if (field.type == Time) return foreign_value::time(time);
    return foreign_value::dateTime(*date, time);
}

// A memo's first bytes are in the row; the whole value is in the .MB unless it fits there.
std::optional<QString> ParadoxValueReader::memo(QByteArrayView bytes, QString& problem) const {
    const QByteArrayView leader = bytes.first(bytes.size() - kMemoTail);
    const MemoPointer pointer = MemoPointer::fromTail(bytes.last(kMemoTail));
    if (pointer.length == 0) return QString();
    if (pointer.length <= quint32(leader.size()) && pointer.blockOffset == 0)
        return text_.decode(leader.first(pointer.length));
    if (!memos_) {
        problem = QStringLiteral("its memo is in a memo file (.MB) that is not beside the table");
        return std::nullopt;
    }
    const auto value = memos_->read(pointer, problem);
    if (!value) return std::nullopt;
    return text_.decode(*value);
}

}  // namespace vn
