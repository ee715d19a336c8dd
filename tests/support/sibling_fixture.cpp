#include "support/sibling_fixture.h"

#include "store/engine/database.h"
#include "store/engine/table.h"
#include "store/files/folder_tree.h"

namespace vn::test {

SiblingInstallation makeSibling(const QString& base, SiblingProduct product) {
    createSiblingInstallation(base, product, FolderTree::stateFolder());
    return {QString::fromLatin1(siblingProduct(product).folder), true, base, 1};
}

void putSiblingRecord(const QString& base, int source, const QString& key, const QMap<int, QString>& fields) {
    const SiblingSource& described = *siblingSource(source);
    auto db = Database::open(siblingTableFile(base, FolderTree::stateFolder(), described, 1));
    Transaction tx(*db);
    Table table(db, QString::fromLatin1(described.table));
    if (!table.findKey(key)) table.insert(key);
    for (auto it = fields.begin(); it != fields.end(); ++it) table.setText(it.key(), it.value());
    table.post();
    tx.commit();
}

SiblingPlaces siblingPlaces(const QString& base, std::initializer_list<SiblingProduct> present) {
    SiblingPlaces places;
    places.stateCode = FolderTree::stateCode();
    for (SiblingProduct product : present)
        places.products[std::size_t(product)] = {QString::fromLatin1(siblingProduct(product).folder), true, base, 1};
    return places;
}

}  // namespace vn::test
