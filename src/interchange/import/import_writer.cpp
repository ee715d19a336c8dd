#include "interchange/import/import_writer.h"

#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/text/case_conversion.h"

namespace vn {

int writeImportedRecord(RecordAccess& access, const ImportPlan& plan, const QString& key,
                        const std::function<QString(int field)>& valueOf) {
    const int highestPage = std::min(kPageCount, std::max(plan.highestPage, plan.mapping.highestPage()));
    const auto& targets = plan.mapping.targets();
    auto target = targets.begin();
    int cut = 0;
    for (int source = 0; source <= highestPage; ++source) {
        const int slot = source == 0 ? kHeadSlot : pageSlot(source);
        access.EnsureRecord(slot, key);
        for (; target != targets.end() && target->first.source == source; ++target)
            if (!access.SetFieldText(slot, target->first.column, valueOf(target->second))) ++cut;
    }
    return cut;
}

ImportWriter::ImportWriter(RecordAccess& access, const ImportPlan& plan) : m_access(access), m_plan(plan) {
    // The keys in use, read once: the numbers to pass over without a lookup a record.
    const QString prefix = LowerCaseText(plan.listCode + plan.origin.stateCode + plan.origin.officeCode);
    const QStringList keys = access.KeysWithPrefix(kHeadSlot, prefix);
    m_used = QSet<QString>(keys.begin(), keys.end());
    m_number = ProposeImportKey(access, plan.listCode, plan.origin).number;
}

QString ImportWriter::write(const std::function<QString(int field)>& valueOf, int& cut) {
    const ImportKey next = nextFreeImportKey(m_plan.listCode, m_plan.origin, m_number,
                                             [this](const QString& key) { return m_used.contains(key); });
    cut += writeImportedRecord(m_access, m_plan, next.key, valueOf);
    m_number = next.number + 1;
    m_wrote = true;
    return next.key;
}

void ImportWriter::commitCounter() {
    if (m_wrote) CommitImportCounter(m_access, m_plan.listCode, m_number - 1);
}

WorkEnd writeInOneTransaction(RecordAccess& access, const ImportPlan& plan, qint64 count,
                              const std::function<bool(qint64 index)>& step,
                              const std::function<void(qint64 index, ImportWriter& writer)>& write, QString& failure) {
    try {
        Transaction transaction(access.database(kHeadSlot));
        ImportWriter writer(access, plan);
        for (qint64 i = 0; i < count; ++i) {
            if (!step(i)) return WorkEnd::Cancelled;
            write(i, writer);
        }
        writer.commitCounter();
        transaction.commit();
    } catch (const StoreError& e) {
        failure = e.message();
        return WorkEnd::Failed;
    }
    return WorkEnd::Done;
}

}  // namespace vn
