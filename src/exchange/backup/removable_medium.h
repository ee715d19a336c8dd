#pragma once

#include <QList>
#include <QString>

namespace vn {

// The files found on a removable medium, as the backup panel lists them.
struct MediumFile {
    QString name;
    qint64 size = 0;
};

inline constexpr int kMostListedFiles = 200;

// Whether a file can be created and erased in the folder: the medium is in its drive. The probe
// has a name no user file has.
bool mediumWritable(const QString& folder);

// The ordinary files of the folder (no folders, no links), at most 200, by name.
QList<MediumFile> mediumFiles(const QString& folder);

// "name" + 45 - 3 x its length spaces (at least one) + the size in bytes.
QString mediumFileEntry(const MediumFile& file);

// Erases exactly the listed files; the names of those that could not be erased.
QStringList eraseMediumFiles(const QString& folder, const QList<MediumFile>& files);

}  // namespace vn
