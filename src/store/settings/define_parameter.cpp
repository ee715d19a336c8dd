#include "store/settings/define_parameter.h"

#include "store/access/record_access.h"
#include "store/settings/settings_slots.h"

#include <stdexcept>

namespace vn {

void DefineParameter(RecordAccess& access, const ParameterDefinition& definition) {
    if (definition.options.size() > kDefinedOptions)
        throw std::invalid_argument("DefineParameter takes at most five options");
    access.EnsureRecord(kParmSlot, definition.key);
    access.SetFieldText(kParmSlot, kParmPrompt, definition.prompt);
    access.SetFieldText(kParmSlot, kParmValue, definition.value);
    access.SetFieldText(kParmSlot, kParmCount, definition.count);
    for (int i = 0; i < kDefinedOptions; ++i)
        access.SetFieldText(kParmSlot, kParmFirstOption + i, definition.options.value(i));
    access.SetFieldText(kParmSlot, kParmLocked, definition.locked);
}

void DefineParameter(RecordAccess& access, const QString& key, const QString& prompt, const QString& locked,
                     const QString& option5, const QString& option4, const QString& option3, const QString& option2,
                     const QString& option1, const QString& optionCount, const QString& value) {
    DefineParameter(access, {key, prompt, locked, {option1, option2, option3, option4, option5}, optionCount, value});
}

}  // namespace vn
