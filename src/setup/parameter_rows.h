#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vn {

class RecordAccess;

// One Parm row as the parameter editor shows it.
struct ParameterRow {
    QString key;
    QString prompt;
    QString setting;
    QString optionCount;
    QString maximum;
    QString minimum;
    QString date;
    QString locked;
    QStringList options;  // the row's choices, at most ten

    bool isLocked() const { return locked == QLatin1String("T"); }
};

struct ParameterEntry {
    QString key;
    QString prompt;
};

// Every Parm row with a prompt, ordered by prompt (rows with equal prompts in key order).
QList<ParameterEntry> promptedParameters(RecordAccess& access);

std::optional<ParameterRow> readParameterRow(RecordAccess& access, const QString& key);

// Makes the value the row's setting; false when the row is gone.
bool writeParameterSetting(RecordAccess& access, const QString& key, const QString& value);

}  // namespace vn
