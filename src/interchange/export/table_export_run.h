#pragma once

#include "exchange/codec/work_progress.h"
#include "interchange/fields/field_ref.h"
#include "interchange/tables/new_table_writer.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vn {

class RecordAccess;

// What a new table is made of and filled from.
struct TableExportPlan {
    TableFormat format = TableFormat::Paradox;
    QString listCode;
    QList<FieldRef> fields;             // the list fields, one per table field after "Key"
    QList<NewTableField> tableFields;   // "Key" first
    QString path;                       // the table's main member
};

// What filling a table did, for its closing message.
struct TableExportSummary {
    int records = 0;
    int cutValues = 0;           // longer than their field: cut
    int replacedCharacters = 0;  // Windows-1252 lacks them: written as "?"

    // "The new Paradox data table [<path>] has been created and populated.", and a second line
    // with the cuts and replacements when there were any.
    QString message(TableFormat format, const QString& path) const;
};

// The Windows-1252 bytes of a value in a field of the size (in characters), cut and replaced
// characters counted.
QByteArray tableValue(const QString& text, int size, TableExportSummary& summary);

// "Create New Table": the empty table, in place of any table of its name. Throws StoreError.
void createNewTable(NewTableWriter& writer, const TableExportPlan& plan);

// "Export Data": a row per record of the list (Head keys whose first three characters equal the
// code, any case) in key order, written beside the table and put in its place when complete; on
// Cancel or a failure (StoreError, thrown) the table stays as it was.
WorkEnd exportToTable(RecordAccess& access, NewTableWriter& writer, const TableExportPlan& plan,
                      const WorkProgress& progress, TableExportSummary& summary);

}  // namespace vn
