#pragma once

#include "store/settings/define_parameter.h"
#include "store/settings/setting_facts.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

// Where a setting's default value (and option count) comes from.
enum class DefaultFrom {
    Table,           // the fixed texts of the table
    ProgramVersion,  // value: the running program's version
    PrinterName,     // value: the current printer's name
    Printer,         // value: the current printer's name, count: its index
};

// One named setting of the Parm table.
struct Setting {
    QString key;
    QString prompt;
    QString locked;
    QStringList options;  // in order, option 1 first
    QString count;
    QString defaultValue;
    QString use;
    DefaultFrom from = DefaultFrom::Table;
    bool systemDefined = true;  // false: read when present, never created
};

// Every setting in table order, "M1" to "M12" included.
const QList<Setting>& settingsTable();

// nullptr for a key that is no setting (a list's record counter row, say).
const Setting* findSetting(const QString& key);

// The row DefineParameter writes for the setting's defaults.
ParameterDefinition defaultDefinition(const Setting& setting, const SettingFacts& facts);

}  // namespace vn
