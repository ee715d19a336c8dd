#include "interchange/import/table_import_run.h"

#include "interchange/import/import_writer.h"
#include "interchange/tables/foreign_table.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

QString rowProblem(const QString& source, qint64 row, const QString& message) {
    return QStringLiteral("%1, row %2: %3").arg(source).arg(row).arg(message);
}

}  // namespace

TableImportRun::TableImportRun(RecordAccess& access, ImportPlan plan, ForeignTable& table, QString source)
    : m_access(access), m_plan(std::move(plan)), m_table(table), m_source(std::move(source)) {
    m_summary.rows = true;
}

// Reading and writing share the gauge: the rows read first, then the rows written.
WorkEnd TableImportRun::importAll(const WorkProgress& progress) {
    m_failure.clear();
    if (!checkMapping()) return WorkEnd::Failed;
    QList<QStringList> rows;
    bool cancelled = false;
    if (!readAll(progress, rows, cancelled)) return cancelled ? WorkEnd::Cancelled : WorkEnd::Failed;
    return writeAll(progress, rows);
}

// Only columns the table has, and none of binary data.
bool TableImportRun::checkMapping() {
    const QList<ForeignColumn>& columns = m_table.columns();
    for (int field : m_plan.mapping.mappedFields()) {
        if (field > columns.size()) {
            m_failure = QStringLiteral("%1 has no column %2.").arg(m_source).arg(field);
            return false;
        }
        if (!columns[field - 1].isMappable()) {
            m_failure = QStringLiteral("The column %1 of %2 holds binary data and cannot be imported.")
                            .arg(columns[field - 1].name, m_source);
            return false;
        }
    }
    return true;
}

bool TableImportRun::readAll(const WorkProgress& progress, QList<QStringList>& rows, bool& cancelled) {
    const qint64 expected = std::max<qint64>(m_table.rowCount(), 0);
    const qint64 total = 2 * expected;
    const qint64 columns = m_table.columns().size();
    QStringList values;
    ForeignProblem problem;
    while (true) {
        if (!progress.advance(std::min<qint64>(rows.size(), expected), total)) {
            cancelled = true;
            return false;
        }
        values.clear();
        if (!m_table.nextRow(values, problem)) break;
        if (values.size() != columns) {
            problem.message = QStringLiteral("the row has %1 values for %2 columns").arg(values.size()).arg(columns);
            break;
        }
        rows.append(values);
    }
    if (problem.message.isEmpty()) return true;
    m_failure = rowProblem(m_source, rows.size() + 1, problem.message);
    return false;
}

WorkEnd TableImportRun::writeAll(const WorkProgress& progress, const QList<QStringList>& rows) {
    const qint64 count = rows.size();
    const qint64 expected = std::max<qint64>(m_table.rowCount(), count);
    const qint64 total = expected + count;
    ImportSummary summary;
    summary.rows = true;
    const WorkEnd end = writeInOneTransaction(
        m_access, m_plan, count, [&](qint64 i) { return progress.advance(expected + i, total); },
        [&](qint64 i, ImportWriter& writer) {
            const QStringList& row = rows[i];
            int cut = 0;
            const QString key = writer.write([&row](int field) { return row.value(field - 1); }, cut);
            summary.addRecord(key, cut, int(i + 1));
        },
        m_failure);
    if (end != WorkEnd::Done) return end;
    progress.advance(total, total);
    m_summary = std::move(summary);
    return WorkEnd::Done;
}

}  // namespace vn
