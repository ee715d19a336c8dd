#include "interchange/export/export_run.h"

#include "interchange/export/export_sink.h"
#include "lists/definitions/definition_keys.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

namespace vn {

QStringList listRecordKeys(RecordAccess& access, const QString& listCode) {
    return access.KeysWithPrefix(kHeadSlot, listCode, kListCodeLength);
}

WorkEnd exportList(RecordAccess& access, const ExportPlan& plan, const WorkProgress& progress,
                   ExportSummary& summary, QString& failure) {
    summary = ExportSummary{};
    const std::unique_ptr<ExportSink> sink = makeExportSink(plan, summary);
    if (!sink->open(failure)) return WorkEnd::Failed;
    sink->writeCaptions(orderCaptions(plan.order));
    const QStringList keys = listRecordKeys(access, plan.listCode);
    ExportValueReader reader(access, plan.listCode, plan.order, plan.selection, ExportValueReader::Reading::InKeyOrder);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (!progress.advance(i, keys.size())) return WorkEnd::Cancelled;  // the sink, dropped, keeps the old file
        sink->writeRecord(reader.values(keys[i]));
        ++summary.records;
    }
    return sink->commit(failure) ? WorkEnd::Done : WorkEnd::Failed;
}

}  // namespace vn
