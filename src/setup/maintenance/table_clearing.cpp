#include "setup/maintenance/table_clearing.h"

#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/settings/settings_slots.h"
#include "store/text/case_conversion.h"

#include <QStringList>
#include <array>

namespace vn {

namespace {

constexpr std::array kClearedSlots = {kListSlot, kFdisSlot, kSelcSlot, kHeadSlot, kHelpSlot, kPhraSlot, kPag1Slot,
                                      kPag2Slot, kPag3Slot, kPag4Slot, kPag5Slot, kPag6Slot, kQueuSlot, kSinfSlot,
                                      kPinfSlot, kChecSlot, kDeleSlot, kLinkSlot, kTdatSlot};

constexpr std::array kZeroedSettings = {"OType", "OpLevel", "DataFlow", "UserSituation", "AccessCount", "EMethod"};
constexpr std::array kEmptiedSettings = {"CountyInfo", "DistrictInfo", "EDomain",  "EISPPhone", "EPassword",
                                         "ESendTo",    "ESender",      "EServer", "EUser"};

QStringList allKeys(RecordAccess& access, int slot) { return access.KeysWithPrefix(slot, QString()); }

qint64 deleteListCounters(RecordAccess& access) {
    qint64 deleted = 0;
    for (const QString& code : allKeys(access, kListSlot)) {
        const QString key = LowerCaseText(code);
        if (!access.FindRecord(kParmSlot, key)) continue;
        access.DeleteRecord(kParmSlot, key);
        ++deleted;
    }
    return deleted;
}

// Only settings that have their row: a missing one is defined with its default at the next start.
int resetSettings(RecordAccess& access) {
    int reset = 0;
    auto set = [&](const char* name, const QString& value) {
        if (!access.FindRecord(kParmSlot, QString::fromLatin1(name))) return;
        access.SetFieldText(kParmSlot, kParmValue, value);
        ++reset;
    };
    for (const char* name : kZeroedSettings) set(name, QStringLiteral("0"));
    for (const char* name : kEmptiedSettings) set(name, QString());
    return reset;
}

qint64 emptyTable(RecordAccess& access, int slot) {
    const qint64 rows = access.RecordCount(slot);
    access.DeleteAllRecords(slot, false);
    return rows;
}

}  // namespace

InstallationClearing clearInstallation(RecordAccess& access) {
    Transaction transaction(access.database(kParmSlot));
    InstallationClearing done;
    done.rowsDeleted += emptyTable(access, kCountyCitySlot);
    done.rowsDeleted += deleteListCounters(access);
    for (int slot : kClearedSlots) done.rowsDeleted += emptyTable(access, slot);
    done.settingsReset = resetSettings(access);
    transaction.commit();
    return done;
}

qint64 clearLinks(RecordAccess& access) {
    Transaction transaction(access.database(kLinkSlot));
    const qint64 rows = emptyTable(access, kLinkSlot);
    transaction.commit();
    return rows;
}

}  // namespace vn
