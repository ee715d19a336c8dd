#pragma once

#include "setup/setup_choices.h"
#include "store/settings/setting_facts.h"

namespace vn {

class RecordAccess;

// Writes a finished setup in one transaction: the organisation rows of Parm, the office's county
// and its cities (situations 1 and 2) or the district's county list (situations 3 and 4).
void saveSetup(RecordAccess& access, const SetupChoices& choices, const SettingFacts& facts = {});

}  // namespace vn
