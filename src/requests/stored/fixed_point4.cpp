#include "requests/stored/fixed_point4.h"

#include <limits>

namespace vn {

namespace {

using Wide = __int128;
constexpr qint64 kLargest = std::numeric_limits<qint64>::max();

const QString& rangeText() {
    static const QString text = QStringLiteral("-922337203685477.5807 to 922337203685477.5807");
    return text;
}

bool inRange(Wide units) { return units >= -Wide(kLargest) && units <= Wide(kLargest); }

// n / d rounded to the nearest integer, ties to the even one; d > 0.
Wide divideRoundingToEven(Wide n, Wide d) {
    const bool negative = n < 0;
    const Wide magnitude = negative ? -n : n;
    Wide q = magnitude / d;
    const Wide twice = 2 * (magnitude % d);
    if (twice > d || (twice == d && q % 2 != 0)) ++q;
    return negative ? -q : q;
}

enum class Reading { Done, NotDecimal, TooLarge };

Reading readDecimal(QStringView text, qint64& units) {
    text = text.trimmed();
    qsizetype i = 0;
    const qsizetype end = text.size();
    auto digitAt = [&](qsizetype at) { return at < end && text[at] >= u'0' && text[at] <= u'9'; };
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

    // The magnitude in ten-thousandths; past the range it only has to stay above it.
    Wide magnitude = 0;
    bool tooLarge = false;
    int digits = 0;
    for (; digitAt(i); ++i, ++digits) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > kLargest) {
            tooLarge = true;
            magnitude = kLargest;
        }
    }
    magnitude *= FixedPoint4::kScale;
    int places = 0;
    int firstDropped = 0;      // the fifth decimal digit
    bool moreDropped = false;  // any non-zero digit after it
    if (i < end && text[i] == u'.') {
        for (++i; digitAt(i); ++i, ++digits) {
            const int d = text[i].unicode() - u'0';
            ++places;
            if (places <= 4) {
                static constexpr int kPlaceValue[] = {1000, 100, 10, 1};
                magnitude += d * kPlaceValue[places - 1];
            } else if (places == 5) {
                firstDropped = d;
            } else if (d != 0) {
                moreDropped = true;
            }
        }
    }
    if (i != end || digits == 0) return Reading::NotDecimal;
    if (firstDropped > 5 || (firstDropped == 5 && (moreDropped || magnitude % 2 != 0))) ++magnitude;
    if (tooLarge || magnitude > kLargest) return Reading::TooLarge;
    units = qint64(negative ? -magnitude : magnitude);
    return Reading::Done;
}

// The result of `a op b`, refused beyond the range (the message is built only then).
FixedPoint4 checked(Wide units, FixedPoint4 a, const char* op, FixedPoint4 b) {
    if (!inRange(units))
        throw FixedPointError(QStringLiteral("The result of %1 %2 %3 lies beyond the decimal range (%4).")
                                  .arg(a.toString(), QLatin1String(op), b.toString(), rangeText()));
    return FixedPoint4::fromUnits(qint64(units));
}

}  // namespace

FixedPointError::FixedPointError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}

FixedPoint4 FixedPoint4::fromUnits(qint64 units) {
    if (units < -kLargest)
        throw FixedPointError(QStringLiteral("%1 ten-thousandths lie beyond the decimal range (%2).").arg(units).arg(rangeText()));
    return FixedPoint4(units);
}

FixedPoint4 FixedPoint4::fromInteger(qint64 value) {
    const Wide units = Wide(value) * kScale;
    if (!inRange(units))
        throw FixedPointError(QStringLiteral("%1 lies beyond the decimal range (%2).").arg(value).arg(rangeText()));
    return FixedPoint4(qint64(units));
}

std::optional<FixedPoint4> FixedPoint4::parse(QStringView text) {
    qint64 units = 0;
    if (readDecimal(text, units) != Reading::Done) return std::nullopt;
    return FixedPoint4(units);
}

FixedPoint4 FixedPoint4::fromText(QStringView text) {
    qint64 units = 0;
    switch (readDecimal(text, units)) {
    case Reading::Done: return FixedPoint4(units);
    case Reading::NotDecimal:
        throw FixedPointError(QStringLiteral("\"%1\" is not a decimal number.").arg(text));
    case Reading::TooLarge:
        throw FixedPointError(QStringLiteral("\"%1\" lies beyond the decimal range (%2).").arg(text, rangeText()));
    }
    return {};
}

QString FixedPoint4::toString() const {
    const quint64 magnitude = m_units < 0 ? quint64(-m_units) : quint64(m_units);
    QString text = QString::number(magnitude / kScale);
    if (const quint64 fraction = magnitude % kScale) {
        QString places = QStringLiteral("%1").arg(fraction, 4, 10, QChar(u'0'));
        while (places.endsWith(u'0')) places.chop(1);
        text += u'.' + places;
    }
    return m_units < 0 ? u'-' + text : text;
}

FixedPoint4 FixedPoint4::operator+(FixedPoint4 other) const {
    return checked(Wide(m_units) + other.m_units, *this, "+", other);
}

FixedPoint4 FixedPoint4::operator-(FixedPoint4 other) const {
    return checked(Wide(m_units) - other.m_units, *this, "-", other);
}

FixedPoint4 FixedPoint4::operator*(FixedPoint4 other) const {
    return checked(divideRoundingToEven(Wide(m_units) * other.m_units, kScale), *this, "x", other);
}

FixedPoint4 FixedPoint4::operator/(FixedPoint4 other) const {
    if (other.m_units == 0) throw FixedPointError(QStringLiteral("%1 cannot be divided by 0.").arg(toString()));
    const Wide divisor = other.m_units;
    const Wide n = Wide(m_units) * kScale;
    return checked(divisor < 0 ? divideRoundingToEven(-n, -divisor) : divideRoundingToEven(n, divisor), *this, "/",
                   other);
}

}  // namespace vn
