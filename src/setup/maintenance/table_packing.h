#pragma once

#include "setup/maintenance/maintenance_outcome.h"

#include <vector>

namespace vn {

class RecordAccess;

struct TablePacking {
    QString refusal;  // not empty: the database is damaged and nothing was changed
    bool cancelled = false;
    std::vector<PackedTable> tables;  // in slot order
};

// Drops the empty rows of the data tables (Parm to Pag6): a row stays when its key is not empty
// and another field holds text; every Selc row with a key stays. All tables in one transaction,
// then the file is rewritten without the free space. A damaged database is refused first. The
// step is called after each table (false cancels and changes nothing) and once packed.
TablePacking packDataTables(RecordAccess& access, const MaintenanceStep& step);

}  // namespace vn
