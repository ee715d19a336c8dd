#include "interchange/import/import_run.h"

#include "interchange/import/import_key.h"
#include "interchange/import/import_writer.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"

namespace vn {


ImportRun::ImportRun(RecordAccess& access, ImportPlan plan, QList<ImportRecord> records)
    : m_access(access), m_plan(std::move(plan)), m_records(std::move(records)) {}

QString ImportRun::valueOf(const ImportRecord& record, int field) const {
    if (m_plan.fieldCount > 0 && field > m_plan.fieldCount) return QString();
    return record.fields.value(field - 1);
}

void ImportRun::tally(const ImportRecord& record, const QString& key, int cut, ImportSummary& summary) {
    summary.addRecord(key, cut, record.firstLine);
    if (m_plan.fieldCount > 0)
        noteFirst(summary.droppedFields, summary.firstDroppedLine, int(record.fields.size()) - m_plan.fieldCount,
             record.firstLine);
    noteFirst(summary.droppedTails, summary.firstTailLine, record.droppedTail ? 1 : 0, record.firstLine);
}

WorkEnd ImportRun::importAll(const WorkProgress& progress, int first) {
    first = std::max(first, 0);
    const qint64 total = std::max<qint64>(m_records.size() - first, 0);
    if (total == 0) return WorkEnd::Done;
    ImportSummary summary = m_summary;
    const WorkEnd end = writeInOneTransaction(
        m_access, m_plan, total, [&](qint64 i) { return progress.advance(i, total); },
        [&](qint64 i, ImportWriter& writer) {
            const ImportRecord& record = m_records[first + i];
            int cut = 0;
            const QString key = writer.write([&](int field) { return valueOf(record, field); }, cut);
            tally(record, key, cut, summary);
        },
        m_failure);
    if (end != WorkEnd::Done) return end;
    progress.advance(total, total);
    m_summary = std::move(summary);
    return WorkEnd::Done;
}

void ImportRun::importOne(int index) {
    ImportSummary summary = m_summary;
    Transaction transaction(m_access.database(kHeadSlot));
    const ImportKey key = ProposeImportKey(m_access, m_plan.listCode, m_plan.origin);
    const ImportRecord& record = m_records[index];
    const int cut = writeImportedRecord(m_access, m_plan, key.key, [&](int field) { return valueOf(record, field); });
    tally(record, key.key, cut, summary);
    CommitImportCounter(m_access, m_plan.listCode, key.number);
    transaction.commit();
    m_summary = std::move(summary);
}

void ImportRun::skipOne(int) { ++m_summary.skipped; }

}  // namespace vn
