#pragma once

#include "exchange/codec/work_progress.h"

#include <QByteArrayView>

namespace vn {

class BackupLayouts;
class Database;
struct BackupCheck;

// Writes the record lines the check found good, each over the row with its key: the fields the
// line carries replace the row's, the others keep their values (a new key starts empty). The
// caller holds the transaction. False when cancelled.
bool applyBackup(QByteArrayView bytes, const BackupCheck& check, Database& db, const BackupLayouts& layouts,
                 const WorkProgress& progress = {});

}  // namespace vn
