#pragma once

#include "setup/parameter_rows.h"

#include <QDate>
#include <functional>

namespace vn {

class RecordAccess;

struct ParameterHooks {
    std::function<void()> reloadSettings;  // a setting changed: the program reads its settings again
    std::function<int()> operationLevel;   // 3: the state office may change locked settings
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

// Everything the parameter editor view shows.
struct ParameterScreen {
    QStringList prompts;
    int current = -1;  // the chosen prompt, -1: none
    ParameterRow row;
    bool optionsShown = false;
    bool newSettingShown = false;
    QString newSettingText;  // what the box holds when shown: the current setting
    bool overrideOn = false;
};

// The rules that open a setting to change.
bool showsOptions(const ParameterRow& row, int operationLevel, bool lockOverride);
bool showsNewSetting(const ParameterRow& row, int operationLevel, bool lockOverride);

// Lists the prompted settings of Parm and changes one at a time.
class ParameterEditor {
public:
    ParameterEditor(RecordAccess& access, ParameterHooks hooks);

    void load();  // reads the list again; nothing chosen
    void choose(int row);
    void chooseOption(int index);
    // Only an edit is written: leaving the box as it was shown changes nothing.
    void leaveNewSetting(const QString& text);
    void enterOverridePassword(const QString& text);

    ParameterScreen screen() const;

private:
    void write(const QString& value);
    void reread();
    int level() const { return m_hooks.operationLevel ? m_hooks.operationLevel() : 0; }

    RecordAccess& m_access;
    ParameterHooks m_hooks;
    QList<ParameterEntry> m_entries;
    int m_current = -1;
    std::optional<ParameterRow> m_row;
    bool m_override = false;
};

}  // namespace vn
