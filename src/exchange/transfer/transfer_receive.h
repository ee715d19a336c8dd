#pragma once

#include "exchange/codec/work_progress.h"
#include "exchange/transfer/transfer_format.h"
#include "store/program_version.h"

#include <QStringList>
#include <functional>

namespace vn {

class Database;
class Prompter;

// What "Process" of the Receive Form and Receive Data panels was given.
struct ReceiveRequest {
    TransferKind kind = TransferKind::Forms;
    QStringList files;  // paths, in list order
    bool removeAfter = false;
    // A data file of another program version: opens the password prompt for the file and says
    // whether it accepted a password. Unset: refused.
    std::function<bool(const QString& file)> password;
    QString version = QString::fromLatin1(kProgramVersion);
};

struct ReceiveRun {
    WorkEnd end = WorkEnd::Done;
    int merged = 0;            // files merged
    QStringList touchedLists;  // folded codes of the lists the merged files wrote to: reload
                               // the list codes, and the definitions of the current list
};

// Receives the files one by one: each is read and checked whole, then the questions are asked
// (another program version: forms a warning, data a warning and the password; forms: each list
// already present), then it is merged in one transaction and, when asked for, erased after the
// commit. A refused file is told (file and line) and kept; the next file follows. After a file
// of another version nothing further is processed. Every message goes through the prompter.
ReceiveRun ReceiveTransferFiles(Database& db, Prompter& prompter, const ReceiveRequest& request, const WorkProgress& progress = {});

}  // namespace vn
