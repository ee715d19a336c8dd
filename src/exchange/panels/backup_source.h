#pragma once

#include "exchange/backup/backup_header.h"

namespace vn {

class Session;

// This installation as a backup's first line names it.
BackupSource backupSource(const Session& session);

// The "BackUpDate" setting as stored now; empty when the row is missing.
QString storedBackupDate(Session& session);

}  // namespace vn
