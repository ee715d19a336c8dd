#include "exchange/codec/transfer_fields.h"

namespace vn {

int transferFieldCount(const TableDef& layout) {
    const int delta = layout.fieldNumber(QStringLiteral("Delta"));
    return delta >= 0 ? delta : int(layout.fields.size());
}

}  // namespace vn
