#include "exchange/panels/backup_source.h"

#include "shell/core/session.h"
#include "store/catalogue/slots.h"

namespace vn {

BackupSource backupSource(const Session& session) {
    return {session.identity.stateName, session.identity.countyCode, session.identity.installationName};
}

QString storedBackupDate(Session& session) {
    if (!session.access.FindRecord(kParmSlot, QStringLiteral("BackUpDate"))) return {};
    return session.access.GetFieldText(kParmSlot, 2);
}

}  // namespace vn
