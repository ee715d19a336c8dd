#include "interchange/export/csv_export_file.h"

#include <QRegularExpression>

namespace vn {

namespace {

bool startsFormula(const QString& value) {
    if (value.isEmpty()) return false;
    const QChar first = value.front();
    if (first != QLatin1Char('=') && first != QLatin1Char('+') && first != QLatin1Char('-') && first != QLatin1Char('@'))
        return false;
    static const QRegularExpression number(QStringLiteral(R"(\A[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\z)"));
    return !number.match(value).hasMatch();
}

bool needsQuotes(const QString& value) {
    for (QChar c : value)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    return false;
}

}  // namespace

QString csvCell(const QString& value, bool guard, int& guarded) {
    QString cell = value;
    if (guard && startsFormula(value)) {
        cell.prepend(QLatin1Char('\''));
        ++guarded;
    }
    if (!needsQuotes(cell)) return cell;
    cell.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

CsvExportFile::CsvExportFile(const ExportPlan& plan, ExportSummary& summary)
    : SavedFileSink(plan.path), m_byteOrderMark(plan.byteOrderMark), m_guard(plan.guardFormulas), m_summary(summary) {}

bool CsvExportFile::open(QString& failure) {
    if (!SavedFileSink::open(failure)) return false;
    if (m_byteOrderMark) append("\xEF\xBB\xBF");
    return true;
}

void CsvExportFile::writeRow(const QStringList& cells) {
    // A lone empty cell would make an empty line, which readers take for no row at all.
    if (cells.size() == 1 && cells.front().isEmpty()) {
        append("\"\"\r\n");
        return;
    }
    QString row;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) row += QLatin1Char(',');
        row += csvCell(cells[i], m_guard, m_summary.guardedFormulas);
    }
    row += QLatin1String("\r\n");
    append(row.toUtf8());
}

}  // namespace vn
