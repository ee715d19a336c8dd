#include "exchange/backup/backup_tables.h"

#include "store/catalogue/slots.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/table_def.h"

namespace vn {

const QList<BackupTable>& backupTables() {
    static const QList<BackupTable> tables = {
        {1, 2, "System Data", "System"},
        {2, 3, "Parameters Data", "Parameters"},
        {3, 4, "Counties Data", "Counties"},
        {4, 5, "Districts Data", "Districts"},
        {5, 6, "Cities Data", "State Cities"},
        {6, 7, "County Cities Data", "County Cities"},
        {7, 8, "List Description Data", "List Definitions"},
        {8, 9, "Field Display Data", "Field Descriptions"},
        {9, 10, "Selection List Data", "Edit Field Selections"},
        {10, 11, "List Data", "Header Records"},
        {11, 12, "Field Help Data", "List Help"},
        {12, 13, "Program Help Phrases", "Program Help"},
        {13, 14, "Page 1 Data", "Page One"},
        {14, 15, "Page 2 Data", "Page Two"},
        {15, 16, "Page 3 Data", "Page Three"},
        {16, 17, "SQL Queue Data", "SQL Request Queue"},
        {17, 18, "Sort Fields Data", "SQL Sort Fields"},
        {18, 19, "Print Fields Data", "SQL Print Fields"},
        {19, 20, "Labels Data", "Labels"},
        {20, 21, "Checks Data", "Checks"},
        {21, 22, "Deletes Data", "Deletes"},
        {22, 23, "Links Data", "Links"},
        {23, 24, "Default Selection List Items", "Default Selection Items"},
        {24, 25, "Table Construction Data", "Table Construction Data"},
        {25, 26, "Page 4 Data", "Page Four Data"},
        {26, 27, "Page 5 Data", "Page Five Data"},
        {27, 28, "Page 6 Data", "Page Six Data"},
    };
    return tables;
}

const BackupTable* backupTableOfSlot(int slot) {
    for (const BackupTable& table : backupTables())
        if (table.slot == slot) return &table;
    return nullptr;
}

int backupSlotNamed(const QString& name) {
    for (const BackupTable& table : backupTables())
        if (name.compare(TableCatalogue::shortName(table.slot), Qt::CaseInsensitive) == 0 ||
            name.compare(TableCatalogue::tableName(table.slot), Qt::CaseInsensitive) == 0)
            return table.slot;
    return 0;
}

QList<int> allBackupSlots() {
    QList<int> tableSlots;
    for (const BackupTable& table : backupTables()) tableSlots << table.slot;
    return tableSlots;
}

bool isMemoBlockField(int slot, const TableDef& layout, int field) {
    if (field < 0 || field >= layout.fields.size()) return false;
    if (slot == kListSlot) return layout.fields[field].name == QLatin1String("Desc");
    return (slot == kPag1Slot || slot == kPag2Slot || slot == kPag3Slot) && layout.fields[field].memo;
}

}  // namespace vn
