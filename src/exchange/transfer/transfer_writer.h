#pragma once

#include "exchange/codec/work_progress.h"
#include "exchange/transfer/transfer_format.h"
#include "store/program_version.h"

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <QStringList>
#include <optional>

class QIODevice;

namespace vn {

class RecordAccess;

// What a sender chose.
struct TransferRequest {
    TransferKind kind = TransferKind::Forms;
    QString ownCode;
    QStringList destinations;  // office codes, in list order
    QStringList listCodes;     // a transmission: the current list
    // A transmission: only the records with these keys (a request's matches, however many).
    std::optional<QStringList> keys;
    QString version = QString::fromLatin1(kProgramVersion);
    QDateTime now = QDateTime::currentDateTime();
};

// What one pass of the writer found.
struct TransferPass {
    bool cancelled = false;
    // A form value holding "~", which the file cannot carry: its table, key and field.
    QString refusal;
    // Data records holding "~" somewhere, by key: they must not be in the file at all.
    QSet<QByteArray> leftOut;
    // Some of them were found after lines of theirs were written: the file must be written
    // again without them.
    bool writeAgain = false;
    qint64 records = 0;  // record lines written
};

// Writes lines 1 to 3 and the record lines of the chosen lists (or keys) in table and key
// order, leaving out the records of `excluded`. Throws StoreError when the tables cannot be
// read; the device's errors are the caller's to see.
TransferPass writeTransfer(RecordAccess& access, const TransferRequest& request, QIODevice& out,
                           const QSet<QByteArray>& excluded = {}, const WorkProgress& progress = {});

}  // namespace vn
