#include "requests/stored/row_checks.h"

#include "store/engine/store_error.h"
#include "store/engine/text_size.h"

#include <optional>

namespace vn::row_checks {

namespace {

constexpr int kQuotedLength = 60;

// Digits only, an empty text counting as 0; values past any range stay above it.
std::optional<qint64> wholeNumber(const QString& text) {
    constexpr qint64 kCeiling = qint64(1) << 40;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        if (value < kCeiling) value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

QString Range::text() const { return QStringLiteral("%1 to %2").arg(low).arg(high); }

QString quoted(const QString& text) {
    const QString shown = cutToCharacters(text, kQuotedLength);
    return u'"' + shown + (shown.size() < text.size() ? QStringLiteral("...\"") : QStringLiteral("\""));
}

RowReader::RowReader(QString table, const RowFields& row, FieldNamer namer)
    : m_table(std::move(table)), m_row(row), m_namer(namer) {}

void RowReader::require(int field) const {
    if (field >= m_row.size())
        refuse(QStringLiteral("it has %1 %2, so field %3 (%4) is missing.")
                   .arg(QString::number(m_row.size()), m_row.size() == 1 ? QStringLiteral("field") : QStringLiteral("fields"),
                        QString::number(field), m_namer(field)));
}

QString RowReader::text(int field) const {
    require(field);
    return m_row[field];
}

int RowReader::integer(int field, Range range) const {
    const std::optional<qint64> value = wholeNumber(text(field));
    if (!value) refuse(holding(field) + QStringLiteral(", not a whole number."));
    if (!range.holds(*value)) refuse(holding(field) + QStringLiteral("; it takes ") + range.text() + u'.');
    return int(*value);
}

QString RowReader::holding(int field) const {
    return QStringLiteral("field %1 (%2) holds %3").arg(QString::number(field), m_namer(field), quoted(text(field)));
}

void RowReader::refuse(const QString& problem) const {
    throw StoreError(QStringLiteral("The %1 row %2 is refused: %3").arg(m_table, quoted(key()), problem));
}

RowWriter::RowWriter(const RowLayout& layout, QString key, FieldNamer namer)
    : m_layout(layout), m_key(std::move(key)), m_namer(namer), m_fields(layout.sizes.size()) {}

void RowWriter::require(int field) const {
    if (field >= m_fields.size())
        refuse(QStringLiteral("it needs field %1 (%2), but a %3 row has %4 fields.")
                   .arg(QString::number(field), m_namer(field), m_layout.table, QString::number(m_fields.size())));
}

void RowWriter::text(int field, const QString& value) {
    require(field);
    const int size = m_layout.sizes[field];
    const qsizetype length = characterCount(value);
    if (size > 0 && length > size)
        refuse(QStringLiteral("%1 has %2 characters; the field holds %3.")
                   .arg(describe(field), QString::number(length), QString::number(size)));
    m_fields[field] = value;
}

void RowWriter::integer(int field, qint64 value, Range range) {
    require(field);
    if (!range.holds(value))
        refuse(QStringLiteral("%1 is %2; it takes %3.").arg(describe(field), QString::number(value), range.text()));
    text(field, QString::number(value));
}

void RowWriter::refuse(const QString& problem) const {
    throw StoreError(QStringLiteral("The request %1 cannot be saved: %2").arg(quoted(m_key), problem));
}

QString RowWriter::describe(int field) const {
    return QStringLiteral("%1 (%2 field %3)").arg(m_namer(field), m_layout.table, QString::number(field));
}

}  // namespace vn::row_checks
