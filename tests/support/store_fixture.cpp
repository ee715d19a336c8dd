#include "support/store_fixture.h"

#include "store/files/installation.h"

#include <QDir>

namespace vn::test {

StoreFixture::StoreFixture() {
    createDatabase(databasePath());
    catalogue.ReopenDataTables(dataFolder(), {});
    access.OpenTable(TableCatalogue::kSystemSlot, TableLocation::dataTable(dataFolder(), TableCatalogue::kSystemSlot));
}

QString StoreFixture::databasePath() const { return QDir(dataFolder()).filePath(TableLocation::databaseFileName()); }

void StoreFixture::addRecords(int slot, const QStringList& keys) {
    for (const QString& key : keys) {
        access.EnsureRecord(slot, key);
        access.SetFieldText(slot, 1, "v" + key);
    }
}

QStringList StoreFixture::keys(int slot) {
    Table& t = catalogue.table(slot);
    QStringList all;
    for (bool more = t.first(); more; more = t.next()) all << t.text(0);
    return all;
}

}  // namespace vn::test
