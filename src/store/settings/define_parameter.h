#pragma once

#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;

// One Parm row as DefineParameter writes it.
struct ParameterDefinition {
    QString key;
    QString prompt;
    QString locked;
    QStringList options;  // option 1 first, at most five
    QString count;
    QString value;
};

inline constexpr int kDefinedOptions = 5;

// Creates the Parm row when missing, then writes prompt, value, option count, options 1 to 5
// and the lock; absent options are written empty. More than five options is a caller error
// (std::invalid_argument).
void DefineParameter(RecordAccess& access, const ParameterDefinition& definition);

// The same with the options passed last-first, as the ported calls are written.
void DefineParameter(RecordAccess& access, const QString& key, const QString& prompt, const QString& locked = {},
                     const QString& option5 = {}, const QString& option4 = {}, const QString& option3 = {},
                     const QString& option2 = {}, const QString& option1 = {}, const QString& optionCount = {},
                     const QString& value = {});

}  // namespace vn
