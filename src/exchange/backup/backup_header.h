#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace vn {

// Who wrote a backup: the first line names the state, the program version, the county code and
// the installation.
struct BackupSource {
    QString stateName;
    QString countyCode;
    QString installationName;
};

// "<state>-<version>-<county>-<installation> Varnedo Data Backup as of M/d/yyyy  h:mm AP"
QString backupHeaderLine(const BackupSource& source, const QString& version, const QDateTime& when);

struct BackupHeader {
    QString line;
    QString version;  // NN-NNN; empty when the line has none
    QDate date;       // invalid when the line's date cannot be read
};

BackupHeader parseBackupHeader(const QString& line);

}  // namespace vn
