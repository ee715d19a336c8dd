#include "setup/parameter_rows.h"

#include "store/access/record_access.h"
#include "store/settings/settings_slots.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kParmMaximum = 14;
constexpr int kParmMinimum = 15;
constexpr int kParmDate = 16;
constexpr int kMaxOptions = 10;
constexpr int kListedKeyLength = 20;
constexpr int kListedPromptLength = 60;

QString text(RecordAccess& access, int field) { return access.GetFieldText(kParmSlot, field); }

// The count says how many option fields are in use; the printer row keeps its index there instead,
// so empty option fields are never choices.
QStringList optionsOf(RecordAccess& access) {
    const int count = std::min(access.GetFieldInt(kParmSlot, kParmCount), kMaxOptions);
    QStringList options;
    for (int n = 0; n < count; ++n) {
        const QString option = text(access, kParmFirstOption + n);
        if (!option.isEmpty()) options << option;
    }
    return options;
}

}  // namespace

QList<ParameterEntry> promptedParameters(RecordAccess& access) {
    QList<ParameterEntry> entries;
    access.BeginScan(kParmSlot);
    while (access.GetNextRec(kParmSlot)) {
        const QString prompt = text(access, kParmPrompt).left(kListedPromptLength);
        if (!prompt.isEmpty()) entries.append({text(access, 0).left(kListedKeyLength), prompt});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ParameterEntry& a, const ParameterEntry& b) { return a.prompt < b.prompt; });
    return entries;
}

std::optional<ParameterRow> readParameterRow(RecordAccess& access, const QString& key) {
    if (!access.FindRecord(kParmSlot, key)) return std::nullopt;
    ParameterRow row;
    row.key = text(access, 0);
    row.prompt = text(access, kParmPrompt);
    row.setting = text(access, kParmValue);
    row.optionCount = text(access, kParmCount);
    row.maximum = text(access, kParmMaximum);
    row.minimum = text(access, kParmMinimum);
    row.date = text(access, kParmDate);
    row.locked = text(access, kParmLocked);
    row.options = optionsOf(access);
    return row;
}

bool writeParameterSetting(RecordAccess& access, const QString& key, const QString& value) {
    if (!access.FindRecord(kParmSlot, key)) return false;
    access.SetFieldText(kParmSlot, kParmValue, value);
    return true;
}

}  // namespace vn
