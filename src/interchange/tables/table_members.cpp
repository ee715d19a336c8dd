#include "interchange/tables/table_members.h"

#include "store/engine/store_error.h"
#include "store/files/folder_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vn {

QString newTableFolder(const FolderTree& folders) { return QFileInfo(folders.marker()).absolutePath(); }

QStringList tableMemberSuffixes(TableFormat format) {
    if (format == TableFormat::Paradox) return {QStringLiteral(".db"), QStringLiteral(".px")};
    return {QStringLiteral(".dbf"), QStringLiteral(".mdx")};
}

QString newTablePath(const QString& folder, const QString& name, TableFormat format) {
    return QDir(folder).filePath(name + tableMemberSuffixes(format).first());
}

QString tableMemberPath(const QString& mainMember, const QString& suffix) {
    const QFileInfo info(mainMember);
    return QDir(info.absolutePath()).filePath(info.completeBaseName() + suffix);
}

QStringList existingTableMembers(const QString& folder, const QString& name, TableFormat format) {
    QStringList wanted;
    for (const QString& suffix : tableMemberSuffixes(format)) wanted << (name + suffix);
    QStringList found;
    for (const QString& file : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (wanted.contains(file, Qt::CaseInsensitive)) found << QDir(folder).filePath(file);
    return found;
}

void deleteTableMembers(const QString& folder, const QString& name, TableFormat format) {
    for (const QString& path : existingTableMembers(folder, name, format)) {
        QFile file(path);
        if (!file.remove()) throw StoreError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
}

}  // namespace vn
