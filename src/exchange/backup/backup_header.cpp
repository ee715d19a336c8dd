#include "exchange/backup/backup_header.h"

#include "store/settings/table_date_time.h"

#include <QLocale>
#include <QRegularExpression>

namespace vn {

namespace {

const QString kAsOf = QStringLiteral(" Varnedo Data Backup as of ");

}  // namespace

QString backupHeaderLine(const BackupSource& source, const QString& version, const QDateTime& when) {
    return source.stateName + '-' + version + '-' + source.countyCode + '-' + source.installationName + kAsOf +
           QLocale::c().toString(when, QStringLiteral("M/d/yyyy  h:mm AP"));
}

BackupHeader parseBackupHeader(const QString& line) {
    static const QRegularExpression version(QStringLiteral("-(\\d\\d-\\d\\d\\d)-"));
    BackupHeader header{line, {}, {}};
    if (const auto match = version.match(line); match.hasMatch()) header.version = match.captured(1);
    const qsizetype asOf = line.lastIndexOf(QStringLiteral(" as of "));
    if (asOf >= 0) header.date = parseTableDateTime(line.mid(asOf + 7)).date();
    return header;
}

}  // namespace vn
