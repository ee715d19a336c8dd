#pragma once

#include "store/access/record_access.h"
#include "store/settings/settings_slots.h"

#include <QStringList>

namespace vn::test {

// Fields 1 to 17 of a Parm row (prompt to locked); empty when the row is missing.
inline QStringList parmFields(RecordAccess& access, const QString& key) {
    QStringList fields;
    if (!access.FindRecord(kParmSlot, key)) return fields;
    for (int field = 1; field <= kParmLocked; ++field) fields << access.GetFieldText(kParmSlot, field);
    return fields;
}

// The fields as DefineParameter writes them, with fields 9 to 16 as given.
inline QStringList definedFields(const QString& prompt, const QString& value, const QString& count,
                                 QStringList options, const QString& locked,
                                 const QStringList& untouched = QStringList(8, QString())) {
    while (options.size() < 5) options << QString();
    return QStringList{prompt, value, count} + options + untouched + QStringList{locked};
}

inline void setParm(RecordAccess& access, const QString& key, const QString& value) {
    access.EnsureRecord(kParmSlot, key);
    access.SetFieldText(kParmSlot, kParmValue, value);
}

}  // namespace vn::test
