#include "requests/report/report_file.h"

#include "platform/prompter.h"

#include <QDir>
#include <QSaveFile>

namespace vn {

namespace {

// The value in UTF-8 with line breaks and "~" (all ASCII, so never inside a longer character)
// written as spaces.
void appendOneLine(QByteArray& bytes, const QString& value) {
    const qsizetype from = bytes.size();
    bytes += value.toUtf8();
    for (qsizetype i = from; i < bytes.size(); ++i)
        if (bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '~') bytes[i] = ' ';
}

// Empty on success, else the system's reason. Unbuffered, so a short write is seen here: a
// buffered one can fail at the flush inside commit() and still replace the old file.
QString save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

}  // namespace

QByteArray reportFileBytes(const QList<ReportRecord>& records) {
    QByteArray bytes;
    for (const ReportRecord& record : records) {
        for (const QString& value : record.values) {
            appendOneLine(bytes, value);
            bytes += '~';
        }
        bytes += "\r\n";
    }
    bytes += "Records Listed:  " + QByteArray::number(records.size()) + "~\r\n";
    return bytes;
}

bool writeReportFile(const QString& filesFolder, const QList<ReportRecord>& records, Prompter& prompter) {
    const QString path = QDir(filesFolder).filePath(kReportFileName);
    QDir().mkpath(filesFolder);
    const QString failure = save(path, reportFileBytes(records));
    if (!failure.isEmpty()) {
        prompter.error(QStringLiteral("Report File Can Not Be Opened!\r\r") + failure, Buttons::Cancel);
        return false;
    }
    prompter.information(QStringLiteral("Task Completed! Report is in File\r\r") + path + u'.');
    return true;
}

}  // namespace vn
