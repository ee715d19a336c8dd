#pragma once

#include "interchange/tables/new_table_writer.h"

namespace vn {

// The writers of this build: Paradox through pxlib, dBase III by our own writer.
std::unique_ptr<NewTableWriter> makeNewTableWriter(TableFormat format);

}  // namespace vn
