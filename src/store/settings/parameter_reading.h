#pragma once

#include "store/settings/setting_facts.h"

#include <QString>

namespace vn {

class RecordAccess;

struct ParameterRead {
    QString value;
    bool exists = false;   // the row is there now (and is the current Parm record)
    bool created = false;  // the row was missing and has just been defined with its defaults
};

// The one reading pattern: the row's value when present; otherwise a setting the system defines
// is created with its defaults and the stored default is returned. Any other missing key reads
// empty and creates nothing.
ParameterRead readParameter(RecordAccess& access, const QString& key, const SettingFacts& facts = {});

// The value as an integer (digits only, anything else 0), by the same pattern.
int readParameterInt(RecordAccess& access, const QString& key, const SettingFacts& facts = {});

// Writes the value, creating the row with its defaults first when missing.
void writeParameterValue(RecordAccess& access, const QString& key, const QString& value,
                         const SettingFacts& facts = {});

// (Re)defines one setting of the table with its defaults; false for a key the system never defines.
bool defineSetting(RecordAccess& access, const QString& key, const SettingFacts& facts = {});

// Defines every setting the system defines, with its defaults: a new installation's Parm rows.
void defineAllSettings(RecordAccess& access, const SettingFacts& facts = {});

}  // namespace vn
