#include "setup/maintenance/table_packing.h"

#include "setup/maintenance/maintenance_step.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"

namespace vn {

namespace {

constexpr int kFirstSlot = TableCatalogue::kFirstDataSlot;
constexpr int kLastSlot = TableCatalogue::kLastDataSlot;
constexpr qint64 kSteps = kLastSlot - kFirstSlot + 2;  // a step a table, one for the rewrite

PackedTable dropEmptyRows(RecordAccess& access, int slot) {
    Table& table = access.catalogue().table(slot);
    PackedTable packed{table.name(), table.count(), 0};
    packed.kept = packed.read - table.removeEmptyRows(slot == kSelcSlot);
    return packed;
}

}  // namespace

TablePacking packDataTables(RecordAccess& access, const MaintenanceStep& step) {
    Database& db = access.database(kFirstSlot);
    TablePacking done;
    if (const QString damage = db.damage(Database::Check::Full); !damage.isEmpty()) {
        done.refusal = QStringLiteral("The data file %1 is damaged, so its tables were not packed.\r\r%2")
                           .arg(db.path(), damage);
        return done;
    }
    {
        Transaction transaction(db);
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
            done.tables.push_back(dropEmptyRows(access, slot));
            if (keepGoing(step, slot - kFirstSlot + 1, kSteps)) continue;
            TablePacking cancelled;
            cancelled.cancelled = true;
            return cancelled;
        }
        transaction.commit();
    }
    db.pack();
    keepGoing(step, kSteps, kSteps);
    return done;
}

}  // namespace vn
