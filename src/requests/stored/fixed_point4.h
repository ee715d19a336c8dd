#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <optional>
#include <stdexcept>

namespace vn {

// A decimal that FixedPoint4 cannot read or hold: text that is not a decimal number, a value or
// a result beyond the range, a division by zero. The message names the text or the operation.
class FixedPointError : public std::runtime_error {
public:
    explicit FixedPointError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A decimal number held exactly as a 64-bit count of ten-thousandths (the value x 10000): report
// sums, math operations and label sizes compute with it, never with binary fractions, so 0.1 +
// 0.2 is 0.3. Text is read digit by digit, never through a double; digits after the fourth
// decimal place round to the nearest ten-thousandth, ties to even. The range is
// -922337203685477.5807 to 922337203685477.5807; a value or result beyond it is refused, never
// wrapped or clamped.
class FixedPoint4 {
public:
    static constexpr qint64 kScale = 10000;

    constexpr FixedPoint4() = default;
    // Throw FixedPointError beyond the range.
    static FixedPoint4 fromUnits(qint64 units);
    static FixedPoint4 fromInteger(qint64 value);

    // Reads an optional sign, digits, and a decimal point with digits after it ("2.625", "-3",
    // "+.5", "7."; there are digits on at least one side of the point), ignoring spaces around
    // it. Anything else (an empty text, letters, a second point or sign, an exponent, grouping
    // commas) and a value beyond the range give nullopt.
    static std::optional<FixedPoint4> parse(QStringView text);
    // The same, throwing FixedPointError that names the text and why it was refused.
    static FixedPoint4 fromText(QStringView text);

    qint64 units() const { return m_units; }
    // The shortest decimal text of the value: "7.5", "0.3", "-0.0001", "12", "0".
    QString toString() const;

    // Sums and differences are exact; products and quotients round to the nearest
    // ten-thousandth, ties to even. Each throws FixedPointError when the result is beyond the
    // range; a division also for a zero divisor.
    FixedPoint4 operator+(FixedPoint4 other) const;
    FixedPoint4 operator-(FixedPoint4 other) const;
    FixedPoint4 operator*(FixedPoint4 other) const;
    FixedPoint4 operator/(FixedPoint4 other) const;
    FixedPoint4 operator-() const { return FixedPoint4(-m_units); }  // the range is symmetric
    FixedPoint4& operator+=(FixedPoint4 other) { return *this = *this + other; }
    FixedPoint4& operator-=(FixedPoint4 other) { return *this = *this - other; }

    friend constexpr auto operator<=>(FixedPoint4, FixedPoint4) = default;

private:
    explicit constexpr FixedPoint4(qint64 units) : m_units(units) {}

    qint64 m_units = 0;
};

}  // namespace vn
