#include "setup/setup_saving.h"

#include "setup/location_lists.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/settings/county_tables.h"
#include "store/settings/parameter_reading.h"
#include "store/settings/settings_slots.h"

namespace vn {

namespace {

void writeNumber(RecordAccess& access, const char* key, int value, const SettingFacts& facts) {
    writeParameterValue(access, QString::fromLatin1(key), QString::number(value), facts);
}

void saveCounty(RecordAccess& access, const SetupChoices& choices, const SettingFacts& facts) {
    writeParameterValue(access, QStringLiteral("CountyInfo"), choices.countyCode, facts);
    writeParameterValue(access, QStringLiteral("DistrictInfo"), choices.districtCode, facts);
    CopyCountyCities(access, choices.countyCode, true);
}

void saveDistrict(RecordAccess& access, const SetupChoices& choices, const SettingFacts& facts) {
    if (access.FindRecord(kDistrictSlot, choices.districtCode)) {
        access.SetFieldInt(kDistrictSlot, kDistrictCountyCount, choices.districtCounties.size());
        access.SetFieldText(kDistrictSlot, kDistrictCountyCodes, choices.districtCounties.join(QString()));
    }
    writeParameterValue(access, QStringLiteral("DistrictInfo"), choices.districtCode, facts);
}

}  // namespace

void saveSetup(RecordAccess& access, const SetupChoices& choices, const SettingFacts& facts) {
    Transaction transaction(access.database(kParmSlot));
    writeNumber(access, "OType", choices.type, facts);
    writeNumber(access, "OpLevel", choices.level, facts);
    writeNumber(access, "DataFlow", choices.flow, facts);
    writeNumber(access, "UserSituation", choices.situation, facts);
    switch (choices.situation) {
    case 1:
    case 2: saveCounty(access, choices, facts); break;
    case 3:
    case 4: saveDistrict(access, choices, facts); break;
    default: break;
    }
    transaction.commit();
}

}  // namespace vn
