#include "setup/maintenance/row_copy.h"

#include "store/access/record_access.h"

#include <QStringList>

namespace vn {

bool copyRow(RecordAccess& access, int slot, const QString& from, const QString& to) {
    if (!access.FindRecord(slot, from)) return false;
    const int fields = access.GetFieldCount(slot);
    QStringList values;
    for (int field = 1; field < fields; ++field) values << access.GetFieldText(slot, field);
    access.EnsureRecord(slot, to);
    for (int field = 1; field < fields; ++field) access.SetFieldText(slot, field, values[field - 1]);
    return true;
}

}  // namespace vn
