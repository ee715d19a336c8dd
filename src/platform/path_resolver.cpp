#include "platform/path_resolver.h"

#include <QDir>
#include <QFileInfo>

namespace vn {

namespace {

QString existingSpelling(const QString& folder, const QString& name) {
    if (QFileInfo::exists(QDir(folder).filePath(name))) return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return name;
}

QStringList parts(const QString& relative) {
    return QString(relative).replace('\\', '/').split('/', Qt::SkipEmptyParts);
}

}  // namespace

QString resolvePath(const QString& base, const QString& relative) {
    QString path = base;
    for (const QString& part : parts(relative)) {
        if (part == QLatin1String(".")) continue;
        path = QDir(path).filePath(part == QLatin1String("..") ? part : existingSpelling(path, part));
    }
    return QDir::cleanPath(path);
}

QString resolveFolder(const QString& base, const QString& relative) {
    const QString path = resolvePath(base, relative);
    QDir().mkpath(path);
    return path;
}

}  // namespace vn
