#pragma once

#include "exchange/codec/work_progress.h"
#include "interchange/import/import_key.h"
#include "interchange/import/import_plan.h"

#include <QSet>
#include <functional>

namespace vn {

class RecordAccess;

// A record's rows as an import makes them: its Head row and page rows (as EnsureRecordRows, and
// every page mapped), each made and filled before the next, so a new row reaches the file as one
// INSERT; every mapped target gets `valueOf` its import field. Returns the values cut to their
// field's size.
int writeImportedRecord(RecordAccess& access, const ImportPlan& plan, const QString& key,
                        const std::function<QString(int field)>& valueOf);

// Records written one after another inside the caller's transaction: the keys in use are read
// once, the counter is proposed once, and each record takes the next free key.
class ImportWriter {
public:
    ImportWriter(RecordAccess& access, const ImportPlan& plan);

    // The record's key; the cut values are added to `cut`.
    QString write(const std::function<QString(int field)>& valueOf, int& cut);
    // The counter names the number after the last one used (nothing when no record was written).
    void commitCounter();

private:
    RecordAccess& m_access;
    const ImportPlan& m_plan;
    QSet<QString> m_used;
    int m_number = 0;
    bool m_wrote = false;
};

// Records 0..count-1 in one transaction with the counter: `step(i)` false before record i rolls
// back (Cancelled), as does a store failure (Failed, its message in `failure`).
WorkEnd writeInOneTransaction(RecordAccess& access, const ImportPlan& plan, qint64 count,
                              const std::function<bool(qint64 index)>& step,
                              const std::function<void(qint64 index, ImportWriter& writer)>& write, QString& failure);

}  // namespace vn
