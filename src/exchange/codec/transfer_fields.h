#pragma once

#include "store/engine/table_def.h"

namespace vn {

// The fields backups and exchange files carry: 0 up to the one before "Delta"; a table
// without "Delta" (the System table) is carried whole.
int transferFieldCount(const TableDef& layout);

}  // namespace vn
