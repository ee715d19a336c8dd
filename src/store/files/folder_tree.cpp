#include "store/files/folder_tree.h"

#include "platform/path_resolver.h"
#include "store/catalogue/table_location.h"
#include "store/engine/store_error.h"

#include <QDir>

namespace vn {

FolderTree::FolderTree(const QString& base) : m_base(QDir::cleanPath(base)) {}

QString FolderTree::stateFolder() { return QStringLiteral(VARNEDO_STATE_FOLDER); }
QString FolderTree::stateCode() { return stateFolder().toLower(); }
QString FolderTree::stateName() { return QStringLiteral(VARNEDO_STATE_NAME); }

QString FolderTree::path(const QString& relative) const { return resolvePath(m_base, relative); }

QString FolderTree::marker() const { return path(QStringLiteral("vn/vn.loc")); }
QString FolderTree::dataFolder() const { return path(QStringLiteral("vn/") + stateFolder()); }
QString FolderTree::savesFolder() const { return path(QStringLiteral("vn/%1/Saves").arg(stateFolder())); }
QString FolderTree::shellsFolder() const { return path(QStringLiteral("vn/%1/Shells").arg(stateFolder())); }
QString FolderTree::outputFolder() const { return path(QStringLiteral("vn/%1/Files").arg(stateFolder())); }
QString FolderTree::changesFolder() const { return path(QStringLiteral("vn/Changes")); }
QString FolderTree::newTablesFolder() const { return path(QStringLiteral("VN/NewTables")); }
QString FolderTree::exchangeFolder() const { return path(QStringLiteral("dataxfer")); }
QString FolderTree::webFolder() const { return path(QStringLiteral("WebXfer")); }
QString FolderTree::whatsNewFolder() const { return path(QStringLiteral("Grovanta/WhatsNew")); }
QString FolderTree::databasePath() const { return QDir(dataFolder()).filePath(TableLocation::databaseFileName()); }
QString FolderTree::flagFile(const QString& name) const { return path(name); }

void FolderTree::createFolders() const {
    // Each path is worked out after the folders before it exist, so "VN/NewTables" lands in the
    // "vn" just made instead of beside it.
    using Folder = QString (FolderTree::*)() const;
    const Folder folders[] = {&FolderTree::dataFolder,      &FolderTree::savesFolder,    &FolderTree::shellsFolder,
                              &FolderTree::outputFolder,    &FolderTree::changesFolder,  &FolderTree::newTablesFolder,
                              &FolderTree::exchangeFolder,  &FolderTree::webFolder,      &FolderTree::whatsNewFolder};
    for (Folder folder : folders) {
        const QString path = (this->*folder)();
        if (!QDir().mkpath(path)) throw StoreError(QStringLiteral("Cannot create the folder %1.").arg(path));
    }
}

}  // namespace vn
