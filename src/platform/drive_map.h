#pragma once

#include <QChar>
#include <QMap>
#include <QString>
#include <QStringList>

namespace vn {

// Turns the original's drive letters into folders: C: is the home folder; VARNEDO_DRIVES
// ("C=/srv/vn;N=/mnt/share") overrides or adds letters.
class DriveMap {
public:
    static DriveMap fromEnvironment();
    explicit DriveMap(const QString& homeFolder, const QString& overrides = {});

    // The folder of a letter; empty when the letter is not mapped.
    QString folder(QChar letter) const;
    // The mapped letters from C to Z, in order: the order of the base search.
    QList<QChar> searchOrder() const;
    // "D:\vn\data" or "D:" -> a Linux path; other text is returned unchanged.
    QString resolve(const QString& driveText) const;
    // The entries of the overrides that name no drive letter ("LETTER=FOLDER"); they are ignored.
    const QStringList& malformedEntries() const { return m_malformed; }

private:
    QMap<QChar, QString> m_folders;
    QStringList m_malformed;
};

}  // namespace vn
