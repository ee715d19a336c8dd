#pragma once

#include "interchange/text/import_text.h"

namespace vn {

// Reads delimited records whose values may be enclosed in a data delimiter, as RFC 4180 does: an
// enclosed value ends at a delimiter that is not doubled, a doubled one stands for itself, and
// its line breaks belong to the value (the record then goes on over the next lines). A value
// not opened by the delimiter is read plainly up to the separator.
class QuotedFieldReader {
public:
    QuotedFieldReader(const QStringList& lines, QChar delimiter, QChar separator)
        : m_lines(lines), m_delimiter(delimiter), m_separator(separator) {}

    // Moves past empty lines; false at the end of the file.
    bool skipEmptyLines();
    int lineNumber() const { return int(m_line + 1); }  // 1-based, of the line read next
    // The record beginning at the current line; false with the problem when an enclosed value
    // is never closed.
    bool readRecord(QStringList& fields, QString& text, TextProblem& problem);

private:
    bool readEnclosed(QString& value, TextProblem& problem);
    void readPlain(QString& value);

    const QStringList& m_lines;
    QChar m_delimiter;
    QChar m_separator;
    qsizetype m_line = 0;
    qsizetype m_pos = 0;
};

}  // namespace vn
