#include "setup/maintenance/selection_key_repair.h"

#include "setup/maintenance/row_copy.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"

#include <QStringList>

namespace vn {

namespace {

constexpr int kKeyLength = 5;
constexpr int kOlderKeyLength = 4;
constexpr int kListDigits = 2;

}  // namespace

SelectionKeyRepair repairSelectionKeys(RecordAccess& access) {
    Transaction transaction(access.database(kDsliSlot));
    SelectionKeyRepair done;
    for (const QString& key : access.KeysWithPrefix(kDsliSlot, QString())) {
        if (key.size() == kKeyLength) continue;
        if (key.size() == kOlderKeyLength) {
            const QString widened = key.left(kListDigits) + u'0' + key.mid(kListDigits);
            const bool taken = access.FindRecord(kDsliSlot, widened);
            if (!taken) copyRow(access, kDsliSlot, key, widened);
            ++(taken ? done.merged : done.widened);
        } else {
            ++done.deleted;
        }
        access.DeleteRecord(kDsliSlot, key);
    }
    transaction.commit();
    return done;
}

}  // namespace vn
