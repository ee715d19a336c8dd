#include "platform/drive_map.h"

#include <QDir>

namespace vn {

DriveMap DriveMap::fromEnvironment() {
    return DriveMap(QDir::homePath(), qEnvironmentVariable("VARNEDO_DRIVES"));
}

DriveMap::DriveMap(const QString& homeFolder, const QString& overrides) {
    m_folders.insert('C', homeFolder);
    for (const QString& raw : overrides.split(';', Qt::SkipEmptyParts)) {
        const QString part = raw.trimmed();
        const QChar letter = part.at(0).toUpper();
        if (part.indexOf('=') != 1 || letter < 'A' || letter > 'Z') {
            m_malformed << part;
            continue;
        }
        const QString folder = part.mid(2).trimmed();
        if (folder.isEmpty()) m_folders.remove(letter);
        else m_folders.insert(letter, folder);
    }
}

QString DriveMap::folder(QChar letter) const { return m_folders.value(letter.toUpper()); }

QList<QChar> DriveMap::searchOrder() const {
    QList<QChar> order;
    for (auto it = m_folders.cbegin(); it != m_folders.cend(); ++it)
        if (it.key() >= 'C') order << it.key();
    return order;
}

QString DriveMap::resolve(const QString& driveText) const {
    if (driveText.size() < 2 || driveText.at(1) != ':' || !driveText.at(0).isLetter()) return driveText;
    const QString root = folder(driveText.at(0));
    if (root.isEmpty()) return driveText;
    QString rest = driveText.mid(2);
    rest.replace('\\', '/');
    while (rest.startsWith('/')) rest.remove(0, 1);
    return rest.isEmpty() ? root : QDir(root).filePath(rest);
}

}  // namespace vn
