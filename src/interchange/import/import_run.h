#pragma once

#include "exchange/codec/work_progress.h"
#include "interchange/import/import_plan.h"
#include "interchange/text/import_text.h"

namespace vn {

class RecordAccess;

// What an import did, for the closing message; "first" lines are the file's 1-based lines (the
// table's 1-based rows when `rows`).
struct ImportSummary {
    bool rows = false;
    int imported = 0;
    int skipped = 0;
    int droppedFields = 0;  // beyond fieldCount
    int firstDroppedLine = 0;
    int droppedTails = 0;   // FixedLength: characters after the last whole field
    int firstTailLine = 0;
    int cutValues = 0;      // longer than their field
    int firstCutLine = 0;
    QStringList keys;       // the records made, in order

    // A record written: its key, and the values cut in it (line or row `where`).
    void addRecord(const QString& key, int cut, int where);
    // "n records imported." and a sentence for each count above 0, naming its first line or row.
    QString message() const;
};

// Adds `added` to `count`, keeping `first` as where the first of them was.
void noteFirst(int& count, int& first, int added, int where);

// Imports cut records into the list. Each record: the import key, its Head and page rows
// (writeImportedRecord), every mapped target's value, the counter.
class ImportRun {
public:
    ImportRun(RecordAccess& access, ImportPlan plan, QList<ImportRecord> records);

    int recordCount() const { return int(m_records.size()); }
    const ImportRecord& record(int index) const { return m_records[index]; }
    const ImportSummary& summary() const { return m_summary; }
    const QString& failure() const { return m_failure; }  // the store's message after Failed

    // "Automatically": records first..end in one transaction with the counter; a false step or a
    // store failure rolls everything back (the summary then counts nothing).
    WorkEnd importAll(const WorkProgress& progress, int first = 0);
    // "Line by Line": one record in a transaction of its own; a store failure throws StoreError and
    // leaves nothing of the record.
    void importOne(int index);
    void skipOne(int index);

private:
    QString valueOf(const ImportRecord& record, int field) const;
    // What a written record adds to the summary.
    void tally(const ImportRecord& record, const QString& key, int cut, ImportSummary& summary);

    RecordAccess& m_access;
    ImportPlan m_plan;
    QList<ImportRecord> m_records;
    ImportSummary m_summary;
    QString m_failure;
};

}  // namespace vn
