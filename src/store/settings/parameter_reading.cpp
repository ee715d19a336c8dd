#include "store/settings/parameter_reading.h"

#include "store/access/record_access.h"
#include "store/settings/settings_slots.h"
#include "store/settings/settings_table.h"

namespace vn {

ParameterRead readParameter(RecordAccess& access, const QString& key, const SettingFacts& facts) {
    if (access.FindRecord(kParmSlot, key)) return {access.GetFieldText(kParmSlot, kParmValue), true, false};
    if (!defineSetting(access, key, facts)) return {};
    // Read back: the stored text is what later reads see, cut to the field's size.
    return {access.GetFieldText(kParmSlot, kParmValue), true, true};
}

int readParameterInt(RecordAccess& access, const QString& key, const SettingFacts& facts) {
    return readParameter(access, key, facts).exists ? access.GetFieldInt(kParmSlot, kParmValue) : 0;
}

void writeParameterValue(RecordAccess& access, const QString& key, const QString& value, const SettingFacts& facts) {
    if (!access.FindRecord(kParmSlot, key) && !defineSetting(access, key, facts)) access.EnsureRecord(kParmSlot, key);
    access.SetFieldText(kParmSlot, kParmValue, value);
}

bool defineSetting(RecordAccess& access, const QString& key, const SettingFacts& facts) {
    const Setting* setting = findSetting(key);
    if (!setting || !setting->systemDefined) return false;
    DefineParameter(access, defaultDefinition(*setting, facts));
    return true;
}

void defineAllSettings(RecordAccess& access, const SettingFacts& facts) {
    for (const Setting& setting : settingsTable())
        if (setting.systemDefined) DefineParameter(access, defaultDefinition(setting, facts));
}

}  // namespace vn
