#include "store/catalogue/table_catalogue.h"

#include "store/engine/store_error.h"
#include "store/schema/layout_check.h"

#include <QFileInfo>

namespace vn {

namespace {

constexpr SlotInfo kSlots[TableCatalogue::kSlotCount] = {
    {1, "Temp", "Temp Use", 0},
    {2, "Syst", "System Control Data", 0},
    {3, "Parm", "Parameters", 0},
    {4, "Coun", "Counties", 0},
    {5, "Dist", "Districts", 0},
    {6, "City", "Cities", 0},
    {7, "Coci", "County Cities", 0},
    {8, "List", "Data Lists", 0},
    {9, "Fdis", "Field Display Data", 0},
    {10, "Selc", "Selection List Data", 0},
    {11, "Head", "Header Data", 0},
    {12, "Help", "Use Component Help Data", 0},
    {13, "Phra", "Program Help Data", 0},
    {14, "Pag1", "Page One Data", 0},
    {15, "Pag2", "Page Two Data", 0},
    {16, "Pag3", "Page Three Data", 0},
    {17, "Queu", "SQL Queue Data", 0},
    {18, "Sinf", "SQL Screen Info Data", 0},
    {19, "Pinf", "SQL Print Info Data", 0},
    {20, "Labe", "Labels Data", 0},
    {21, "Chec", "Check Data", 0},
    {22, "Dele", "Deletes Data", 0},
    {23, "Link", "Link Data", 17},
    {24, "Dsli", "Default Selection List Items", 0},
    {25, "Tdat", "Table Constuction Data", 0},
    {26, "Pag4", "Page Four Data", 0},
    {27, "Pag5", "Page Five Data", 0},
    {28, "Pag6", "Page Six Data", 0},
    {29, "Para", "Paradox Import/Export", 0},
    {30, "Acce", "Access Import/Export", 0},
    {31, "Dbas", "DBase Import/Export", 0},
};

QString slotLabel(int slot) { return QStringLiteral("%1 [%2]").arg(slot).arg(TableCatalogue::shortName(slot)); }

}  // namespace

const SlotInfo& TableCatalogue::info(int slot) {
    if (slot < 1 || slot > kSlotCount)
        throw StoreError(QStringLiteral("Table number %1 is outside the catalogue (1 to %2).").arg(slot).arg(kSlotCount));
    return kSlots[slot - 1];
}

QString TableCatalogue::tableName(int slot) {
    return slot == kSystemSlot ? QStringLiteral("System") : shortName(slot);
}

QString TableCatalogue::fileName(int slot, int dataSet) {
    if (slot == kSystemSlot) return QStringLiteral("System.db");
    return shortName(slot) + QString::number(dataSet) + QStringLiteral(".db");
}

int TableCatalogue::slotOfFileName(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (name.compare(TableCatalogue::fileName(slot), Qt::CaseInsensitive) == 0) return slot;
    return 0;
}

std::shared_ptr<Database> TableCatalogue::database(const QString& path, Database::Access access) {
    const QString key = QFileInfo(path).absoluteFilePath();
    if (access == Database::Access::Shared)
        if (auto db = m_databases.value(key).lock(); db && db->access() == access) return db;
    auto db = Database::open(path, access);
    if (access == Database::Access::Shared) m_databases.insert(key, db);
    return db;
}

void TableCatalogue::open(int slot, const TableLocation& location, Database::Access access) {
    info(slot);
    close(slot);
    if (location.table.isEmpty())
        throw StoreError(QStringLiteral("No table is named for table %1 in %2.").arg(slotLabel(slot), location.databasePath));
    m_tables[slot] = std::make_unique<Table>(database(location.databasePath, access), location.table);
}

void TableCatalogue::close(int slot) {
    info(slot);
    m_tables[slot].reset();
}

void TableCatalogue::closeAll() {
    for (auto& t : m_tables) t.reset();
}

bool TableCatalogue::isOpen(int slot) const { return slot >= 1 && slot <= kSlotCount && m_tables[slot]; }

Table& TableCatalogue::table(int slot) const {
    info(slot);
    if (!m_tables[slot]) throw StoreError(QStringLiteral("Table %1 is not open.").arg(slotLabel(slot)));
    return *m_tables[slot];
}

QString TableCatalogue::fileBaseName(int slot) const {
    info(slot);
    return m_baseNames[slot];
}

void TableCatalogue::ReopenDataTables(const QString& dataFolder, const Logger& log) {
    for (int slot = kFirstDataSlot; slot <= kLastDataSlot; ++slot) {
        if (log) log(QStringLiteral("Open data table %1").arg(slotLabel(slot)));
        close(slot);
        m_baseNames[slot] = shortName(slot);
        open(slot, TableLocation::dataTable(dataFolder, slot));
        // Fields are read by position: a table whose columns differ is never read.
        if (const QString problem = schema::tableLayoutProblem(m_tables[slot]->layout()); !problem.isEmpty()) {
            const QString file = m_tables[slot]->database().path();
            close(slot);
            throw StoreError(QStringLiteral("Cannot open %1: %2.").arg(file, problem));
        }
    }
}

}  // namespace vn
