#pragma once

#include "exchange/codec/work_progress.h"

#include <QByteArrayView>
#include <QStringList>

namespace vn {

class BackupLayouts;
class Database;
struct TransferCheck;

// What merging a file did.
struct TransferApplied {
    bool cancelled = false;
    qint64 records = 0;        // rows written
    qint64 cutValues = 0;      // values longer than their fields, cut to fit
    QStringList cutExamples;   // the first of them: table, key and field
    QStringList touchedLists;  // folded codes of the lists whose rows were written
};

// Writes the record lines of a checked file over the rows with their keys: the fields a line
// carries replace the row's (an empty value empties the field), later fields keep theirs, a new
// key starts empty. "^^" becomes CR LF in every value (LF where CR LF would not fit a sized
// field); a value still too long is cut to its field's size and counted. Data lines of lists
// this office lacks are skipped. The caller holds the transaction.
TransferApplied applyTransfer(QByteArrayView utf8, const TransferCheck& check, Database& db, const BackupLayouts& layouts,
                              const WorkProgress& progress = {});

}  // namespace vn
