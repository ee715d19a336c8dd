#include "interchange/text/quoted_fields.h"

namespace vn {

bool QuotedFieldReader::skipEmptyLines() {
    while (m_line < m_lines.size() && m_lines[m_line].isEmpty()) ++m_line;
    return m_line < m_lines.size();
}

bool QuotedFieldReader::readRecord(QStringList& fields, QString& text, TextProblem& problem) {
    const qsizetype firstLine = m_line;
    m_pos = 0;
    for (;;) {
        QString value;
        const QString& line = m_lines[m_line];
        if (m_pos < line.size() && line[m_pos] == m_delimiter) {
            if (!readEnclosed(value, problem)) return false;
        }
        // Text after a closing delimiter, or a value never enclosed, reads up to the separator.
        readPlain(value);
        fields.append(value);
        const QString& now = m_lines[m_line];
        if (m_pos >= now.size()) break;
        ++m_pos;  // the separator
    }
    text = m_lines.mid(firstLine, m_line - firstLine + 1).join(QLatin1Char('\n'));
    ++m_line;
    return true;
}

bool QuotedFieldReader::readEnclosed(QString& value, TextProblem& problem) {
    const int openedOn = lineNumber();
    ++m_pos;
    for (;;) {
        const QString& line = m_lines[m_line];
        const qsizetype close = line.indexOf(m_delimiter, m_pos);
        if (close < 0) {
            value += QStringView(line).sliced(m_pos);
            if (++m_line >= m_lines.size()) {
                problem = {openedOn, QStringLiteral("A value opened by the data delimiter %1 is never closed.")
                                         .arg(m_delimiter)};
                return false;
            }
            value += QLatin1Char('\n');
            m_pos = 0;
            continue;
        }
        value += QStringView(line).sliced(m_pos, close - m_pos);
        m_pos = close + 1;
        if (m_pos < line.size() && line[m_pos] == m_delimiter) {
            value += m_delimiter;
            ++m_pos;
            continue;
        }
        return true;
    }
}

void QuotedFieldReader::readPlain(QString& value) {
    const QString& line = m_lines[m_line];
    qsizetype end = line.indexOf(m_separator, m_pos);
    if (end < 0) end = line.size();
    value += QStringView(line).sliced(m_pos, end - m_pos);
    m_pos = end;
}

}  // namespace vn
