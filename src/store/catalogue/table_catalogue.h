#pragma once

#include "store/catalogue/table_location.h"
#include "store/engine/database.h"
#include "store/engine/table.h"

#include <QHash>
#include <array>
#include <functional>
#include <memory>

namespace vn {

// The fixed facts of one catalogue slot.
struct SlotInfo {
    int number;
    const char* shortName;
    const char* description;
    int entryWidth;  // width of one packed link entry; 0 where the slot keeps none
};

// The 31 numbered table slots through which every window reaches every table.
class TableCatalogue {
public:
    static constexpr int kSlotCount = 31;
    static constexpr int kFirstDataSlot = 3;
    static constexpr int kLastDataSlot = 28;
    static constexpr int kSystemSlot = 2;

    static const SlotInfo& info(int slot);      // throws on a slot outside 1..31
    static QString shortName(int slot) { return QString::fromLatin1(info(slot).shortName); }
    static QString description(int slot) { return QString::fromLatin1(info(slot).description); }
    static QString tableName(int slot);         // the table's name in the database ("System" for slot 2)
    static QString fileName(int slot, int dataSet = 1);  // the original's file name: "Pag11.db", "System.db"
    static int slotOfFileName(const QString& fileName);  // 0 when none

    using Logger = std::function<void(const QString&)>;

    TableCatalogue() = default;
    TableCatalogue(const TableCatalogue&) = delete;
    TableCatalogue& operator=(const TableCatalogue&) = delete;

    void open(int slot, const TableLocation& location, Database::Access access = Database::Access::Shared);
    void close(int slot);
    void closeAll();
    bool isOpen(int slot) const;
    Table& table(int slot) const;  // throws when the slot has no open table
    QString fileBaseName(int slot) const;

    // Closes and reopens slots 3 to 28 on the data folder's database, logging each one.
    void ReopenDataTables(const QString& dataFolder, const Logger& log);

private:
    std::shared_ptr<Database> database(const QString& path, Database::Access access);

    std::array<std::unique_ptr<Table>, kSlotCount + 1> m_tables;
    std::array<QString, kSlotCount + 1> m_baseNames;
    QHash<QString, std::weak_ptr<Database>> m_databases;
};

}  // namespace vn
