#pragma once

#include "exchange/codec/work_progress.h"
#include "exchange/transfer/transfer_header.h"

#include <QByteArrayView>
#include <QSet>
#include <QStringList>

namespace vn {

class BackupLayouts;

// What a received file holds, found by reading it whole before anything changes.
struct TransferCheck {
    // The file cannot be merged at all: the message names the file and the line.
    QString refusal;
    bool cancelled = false;
    TransferKind kind = TransferKind::Forms;
    TransferHeader header;
    QSet<QByteArray> listsHere;    // folded codes of the lists this office has
    QStringList presentLists;      // forms: lists of the file this office has already, in file order
    QStringList unknownLists;      // data: lists this office lacks; their lines are skipped
    qint64 skippedLines = 0;
    qint64 records = 0;            // record lines to merge
};

// Reads the whole file (UTF-8 text) and holds every record line against the kind's tables:
// the table number, at most D values after the key (D: the table's fields before "Delta"), a
// non-empty key within field 0's size, the key's list among those of line 3, no line over
// 4 MiB, and a line end after the last line.
TransferCheck checkTransfer(QByteArrayView utf8, TransferKind kind, const BackupLayouts& layouts, const QSet<QByteArray>& listsHere,
                            const QString& fileName, const WorkProgress& progress = {});

}  // namespace vn
