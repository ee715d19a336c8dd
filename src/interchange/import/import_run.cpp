#include "interchange/import/import_run.h"

#include "interchange/import/import_key.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/text/case_conversion.h"

#include <QSet>

namespace vn {

namespace {

void note(int& count, int& firstLine, int added, int line) {
    if (added <= 0) return;
    if (count == 0) firstLine = line;
    count += added;
}

}  // namespace

ImportRun::ImportRun(RecordAccess& access, ImportPlan plan, QList<ImportRecord> records)
    : m_access(access), m_plan(std::move(plan)), m_records(std::move(records)) {}

QString ImportRun::valueOf(const ImportRecord& record, int field) const {
    if (m_plan.fieldCount > 0 && field > m_plan.fieldCount) return QString();
    return record.fields.value(field - 1);
}

// The record's Head row and page rows, each made and filled before the next: a table's new row
// then reaches the file as one INSERT. The same rows as EnsureRecordRows, and every page mapped.
void ImportRun::writeRecord(const ImportRecord& record, const QString& key, ImportSummary& summary) {
    const int highestPage = std::min(kPageCount, std::max(m_plan.highestPage, m_plan.mapping.highestPage()));
    const auto& targets = m_plan.mapping.targets();
    auto target = targets.begin();
    int cut = 0;
    for (int source = 0; source <= highestPage; ++source) {
        const int slot = source == 0 ? kHeadSlot : pageSlot(source);
        m_access.EnsureRecord(slot, key);
        for (; target != targets.end() && target->first.source == source; ++target)
            if (!m_access.SetFieldText(slot, target->first.column, valueOf(record, target->second))) ++cut;
    }
    note(summary.cutValues, summary.firstCutLine, cut, record.firstLine);
    if (m_plan.fieldCount > 0)
        note(summary.droppedFields, summary.firstDroppedLine, int(record.fields.size()) - m_plan.fieldCount,
             record.firstLine);
    note(summary.droppedTails, summary.firstTailLine, record.droppedTail ? 1 : 0, record.firstLine);
    summary.keys.append(key);
    ++summary.imported;
}

WorkEnd ImportRun::importAll(const WorkProgress& progress, int first) {
    first = std::max(first, 0);
    const qint64 total = std::max<qint64>(m_records.size() - first, 0);
    if (total == 0) return WorkEnd::Done;
    ImportSummary summary = m_summary;
    try {
        Transaction transaction(m_access.database(kHeadSlot));
        // The keys in use, read once: the numbers to pass over without a lookup a record.
        const QString prefix = LowerCaseText(m_plan.listCode + m_plan.origin.stateCode + m_plan.origin.officeCode);
        const QStringList keys = m_access.KeysWithPrefix(kHeadSlot, prefix);
        const QSet<QString> used(keys.begin(), keys.end());
        const auto isUsed = [&used](const QString& key) { return used.contains(key); };
        int number = ProposeImportKey(m_access, m_plan.listCode, m_plan.origin).number;
        for (qint64 i = 0; i < total; ++i) {
            if (!progress.advance(i, total)) return WorkEnd::Cancelled;
            const ImportKey next = nextFreeImportKey(m_plan.listCode, m_plan.origin, number, isUsed);
            writeRecord(m_records[first + i], next.key, summary);
            number = next.number + 1;
        }
        CommitImportCounter(m_access, m_plan.listCode, number - 1);
        transaction.commit();
    } catch (const StoreError& e) {
        m_failure = e.message();
        return WorkEnd::Failed;
    }
    progress.advance(total, total);
    m_summary = std::move(summary);
    return WorkEnd::Done;
}

void ImportRun::importOne(int index) {
    ImportSummary summary = m_summary;
    Transaction transaction(m_access.database(kHeadSlot));
    const ImportKey key = ProposeImportKey(m_access, m_plan.listCode, m_plan.origin);
    writeRecord(m_records[index], key.key, summary);
    CommitImportCounter(m_access, m_plan.listCode, key.number);
    transaction.commit();
    m_summary = std::move(summary);
}

void ImportRun::skipOne(int) { ++m_summary.skipped; }

}  // namespace vn
