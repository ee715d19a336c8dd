#include "store/files/installation.h"

#include "platform/drive_map.h"
#include "platform/path_resolver.h"
#include "store/catalogue/table_location.h"
#include "store/engine/database.h"
#include "store/engine/file_commit.h"
#include "store/engine/store_error.h"
#include "store/files/folder_tree.h"
#include "store/files/saved_copy.h"
#include "store/files/seed_data.h"
#include "store/schema/schema.h"
#include "store/upgrades/upgrade_markers.h"

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
        // The schema in code is the newest layout: nothing is left to upgrade.
        markAllUpgradesDone(*db, QDateTime::currentDateTime());
        if (withSeedData) loadSeedData(*db);
        db->execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    QFile::remove(temp + QStringLiteral("-wal"));
    QFile::remove(temp + QStringLiteral("-shm"));
    commitFile(temp, path);
}

namespace {

// The longest suffix the engine and the saving add to a database path ("-journal").
constexpr int kLongestSuffix = 16;

void checkPathLengths(const FolderTree& tree) {
    const QString longest = QDir(tree.savesFolder()).filePath(TableLocation::databaseFileName());
    const qsizetype bytes = QFile::encodeName(longest).size() + kLongestSuffix;
    if (bytes > Database::longestPath())
        throw StoreError(QStringLiteral("The folder %1 is too long for the table engine: its files would need paths of "
                                        "%2 bytes, and at most %3 are possible. Choose a shorter folder.")
                             .arg(tree.base())
                             .arg(bytes)
                             .arg(Database::longestPath()));
}

// What a failed creation made is removed again: the folders that did not exist before, or
// the new entries of a base folder that did.
class CreationUndo {
public:
    explicit CreationUndo(const QString& base) : m_root(base) {
        while (!QFileInfo::exists(m_root) && QFileInfo(m_root).dir().path() != m_root) {
            m_made = m_root;
            m_root = QFileInfo(m_root).dir().path();
        }
        if (m_made.isEmpty()) m_before = QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    void rollback() const {
        if (!m_made.isEmpty()) {
            QDir(m_made).removeRecursively();
            return;
        }
        QDir base(m_root);
        for (const QString& name : base.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (m_before.contains(name)) continue;
            if (QFileInfo(base.filePath(name)).isDir()) QDir(base.filePath(name)).removeRecursively();
            else base.remove(name);
        }
    }

private:
    QString m_root;
    QString m_made;  // the outermost folder that creation makes
    QStringList m_before;
};

void layOut(const FolderTree& tree) {
    tree.createFolders();
    const QString name = TableLocation::databaseFileName();
    if (!QFileInfo::exists(tree.databasePath())) createDatabase(tree.databasePath(), true);
    const QString shell = QDir(tree.shellsFolder()).filePath(name);
    QFile::remove(shell);
    createDatabase(shell);
    writeSavedCopy(tree.databasePath(), QDir(tree.savesFolder()).filePath(name));
    QFile marker(tree.marker());
    if (!marker.open(QIODevice::WriteOnly))
        throw StoreError(QStringLiteral("Cannot create %1: %2").arg(tree.marker(), marker.errorString()));
}

}  // namespace

void createInstallation(const QString& base) {
    const FolderTree tree(base);
    if (QFileInfo::exists(tree.marker()))
        throw StoreError(QStringLiteral("An installation already exists in %1.").arg(tree.base()));
    checkPathLengths(tree);
    const CreationUndo undo(tree.base());
    try {
        layOut(tree);
    } catch (const StoreError&) {
        undo.rollback();
        throw;
    }
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
