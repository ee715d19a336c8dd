#include "requests/report/report_file.h"

#include "platform/prompter.h"

#include <QDir>
#include <QSaveFile>

namespace vn {

namespace {

QString oneLine(QString value) {
    for (QChar& c : value)
        if (c == u'\r' || c == u'\n' || c == u'~') c = u' ';
    return value;
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
    QString text;
    for (const ReportRecord& record : records) {
        for (const QString& value : record.values) text += oneLine(value) + u'~';
        text += QStringLiteral("\r\n");
    }
    text += QStringLiteral("Records Listed:  %1~\r\n").arg(records.size());
    return text.toUtf8();
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
