#pragma once

#include "exchange/backup/backup_header.h"
#include "exchange/codec/file_encoding.h"
#include "exchange/codec/work_progress.h"

#include <QList>
#include <QSet>
#include <QStringList>

namespace vn {

class BackupLayouts;

// A line of the file that cannot be restored, and why.
struct BadLine {
    qint64 line = 0;
    int slot = 0;
    QString reason;
    QString text;
};

// What a backup file holds, found by reading it whole before anything is changed.
struct BackupCheck {
    QString refusal;  // the file cannot be restored at all; says which line and why
    bool cancelled = false;
    FileEncoding encoding = FileEncoding::Windows1252;
    BackupHeader header;
    QList<int> tableSlots;  // from its table lines, in order
    QStringList titles;
    QList<BadLine> badLines;
    QSet<qint64> badLineNumbers;
    qint64 records = 0;  // record lines to restore
    qint64 lines = 0;    // lines read
};

// Reads the whole file: the first line must name a program version; every record line is taken
// apart and its key and values held against the table's layout (fields 1 to D - 1, declared
// sizes, non-empty keys, text that is valid in the file's encoding). A file cut short is
// refused. Texts are UTF-8 behind a byte-order mark, else UTF-8 when every one of them is
// valid UTF-8, else Windows-1252.
BackupCheck checkBackup(QByteArrayView bytes, const BackupLayouts& layouts, const WorkProgress& progress = {});

}  // namespace vn
