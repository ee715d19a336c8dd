#pragma once

#include "exchange/codec/work_progress.h"
#include "interchange/import/import_plan.h"
#include "interchange/import/import_run.h"

#include <QList>
#include <QStringList>

namespace vn {

class ForeignTable;
class RecordAccess;

// Imports every row of an outside table into the list: source column N (1-based) is import field
// N of the plan's mapping, which has no highest number. The whole table is read and checked
// before anything is written; then one transaction writes each row as a new record (the import
// key, its Head and page rows, each mapped column into every target) and the counter. A row the
// reader refuses, a store failure or Cancel leaves the list as it was.
class TableImportRun {
public:
    // `source` names the table in messages (the file, and for a data base its table).
    TableImportRun(RecordAccess& access, ImportPlan plan, ForeignTable& table, QString source);

    WorkEnd importAll(const WorkProgress& progress);

    const ImportSummary& summary() const { return m_summary; }  // rows are counted from 1
    const QString& failure() const { return m_failure; }        // after Failed: what is wrong, and where

private:
    bool readAll(const WorkProgress& progress, QList<QStringList>& rows, bool& cancelled);
    bool checkMapping();
    WorkEnd writeAll(const WorkProgress& progress, const QList<QStringList>& rows);

    RecordAccess& m_access;
    ImportPlan m_plan;
    ForeignTable& m_table;
    QString m_source;
    ImportSummary m_summary;
    QString m_failure;
};

}  // namespace vn
