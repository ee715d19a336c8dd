#include "store/engine/table_def.h"

namespace vn {

int TableDef::fieldNumber(const QString& fieldName) const {
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (fields[i].name == fieldName) return int(i);
    return -1;
}

}  // namespace vn
