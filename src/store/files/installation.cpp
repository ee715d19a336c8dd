#include "store/files/installation.h"

#include "platform/drive_map.h"
#include "platform/path_resolver.h"
#include "store/catalogue/table_location.h"
#include "store/engine/database.h"
#include "store/engine/file_commit.h"
#include "store/engine/store_error.h"
#include "store/files/folder_tree.h"
#include "store/files/seed_data.h"
#include "store/schema/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vn {

void createDatabase(const QString& path, bool withSeedData) {
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    {
        auto db = Database::create(temp);
        Transaction tx(*db);
        for (const TableDef& def : schema::allTables()) db->createTable(def);
        tx.commit();
        if (withSeedData) loadSeedData(*db);
        db->execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    QFile::remove(temp + QStringLiteral("-wal"));
    QFile::remove(temp + QStringLiteral("-shm"));
    commitFile(temp, path);
}

void createInstallation(const QString& base) {
    const FolderTree tree(base);
    if (QFileInfo::exists(tree.marker()))
        throw StoreError(QStringLiteral("An installation already exists in %1.").arg(tree.base()));
    tree.createFolders();
    const QString name = TableLocation::databaseFileName();
    if (!QFileInfo::exists(tree.databasePath())) createDatabase(tree.databasePath(), true);
    const QString shell = QDir(tree.shellsFolder()).filePath(name);
    QFile::remove(shell);
    createDatabase(shell);
    Database::open(tree.databasePath())->copyTo(QDir(tree.savesFolder()).filePath(name));
    QFile marker(tree.marker());
    if (!marker.open(QIODevice::WriteOnly))
        throw StoreError(QStringLiteral("Cannot create %1: %2").arg(tree.marker(), marker.errorString()));
}

std::optional<QString> findBaseLocation(const DriveMap& drives) {
    for (QChar letter : drives.searchOrder()) {
        const QString root = drives.folder(letter);
        for (const QString& company : {QStringLiteral("HLV"), QString()}) {
            const QString base = company.isEmpty() ? root : resolvePath(root, company);
            if (QFileInfo::exists(resolvePath(base, QStringLiteral("vn/vn.loc")))) return QDir::cleanPath(base);
        }
    }
    return std::nullopt;
}

}  // namespace vn
