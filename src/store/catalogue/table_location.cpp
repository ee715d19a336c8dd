#include "store/catalogue/table_location.h"

#include "store/catalogue/table_catalogue.h"

#include <QDir>

namespace vn {

QString TableLocation::databaseFileName(int dataSet) { return QStringLiteral("Varnedo%1.db").arg(dataSet); }

TableLocation TableLocation::dataTable(const QString& dataFolder, int slot) {
    return {QDir(dataFolder).filePath(databaseFileName()), TableCatalogue::tableName(slot)};
}

TableLocation TableLocation::fromFileName(const QString& dataFolder, const QString& fileName) {
    const int slot = TableCatalogue::slotOfFileName(fileName);
    if (slot == 0) return {QDir(dataFolder).filePath(databaseFileName()), QString()};
    return dataTable(dataFolder, slot);
}

}  // namespace vn
