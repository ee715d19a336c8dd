#include "exchange/backup/removable_medium.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace vn {

bool mediumWritable(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vnProbe-XXXXXX")));
    return probe.open();  // erased again when it goes
}

QList<MediumFile> mediumFiles(const QString& folder) {
    QList<MediumFile> files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (files.size() == kMostListedFiles) break;
        files << MediumFile{entry.fileName(), entry.size()};
    }
    return files;
}

QString mediumFileEntry(const MediumFile& file) {
    const qsizetype spaces = qMax<qsizetype>(1, 45 - 3 * file.name.size());
    return file.name + QString(spaces, ' ') + QString::number(file.size);
}

QStringList eraseMediumFiles(const QString& folder, const QList<MediumFile>& files) {
    QStringList left;
    const QDir dir(folder);
    for (const MediumFile& file : files) {
        const QFileInfo info(dir.filePath(file.name));
        if (!info.exists() && !info.isSymLink()) continue;  // gone already
        // Only what is still the ordinary file that was listed.
        if (!info.isFile() || info.isSymLink() || !QFile::remove(info.filePath())) left << file.name;
    }
    return left;
}

}  // namespace vn
