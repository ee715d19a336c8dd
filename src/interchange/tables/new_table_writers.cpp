#include "interchange/tables/new_table_writers.h"

#include "interchange/tables/paradox_table_writer.h"

namespace vn {

std::unique_ptr<NewTableWriter> makeNewTableWriter(TableFormat format) {
    if (format == TableFormat::Paradox) return std::make_unique<ParadoxTableWriter>();
    return nullptr;
}

}  // namespace vn
