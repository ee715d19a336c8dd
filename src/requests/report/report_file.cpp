#include "requests/report/report_file.h"

#include "platform/prompter.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QStringEncoder>

namespace vn {

namespace {

// UTF-8 takes at most 3 bytes for a UTF-16 unit.
constexpr qsizetype kMostBytesPerUnit = 3;

// The value in UTF-8, encoded straight into the file's bytes, with line breaks and "~" (all
// ASCII, so never inside a longer character) written as spaces.
void appendOneLine(QByteArray& bytes, QStringView value, QStringEncoder& utf8) {
    const qsizetype from = bytes.size();
    bytes.resize(from + kMostBytesPerUnit * value.size());
    const char* end = utf8.appendToBuffer(bytes.data() + from, value);
    bytes.truncate(end - bytes.constData());
    for (qsizetype i = from; i < bytes.size(); ++i)
        if (bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '~') bytes[i] = ' ';
}

qsizetype mostBytes(const QList<ReportRecord>& records) {
    qsizetype units = 64;
    for (const ReportRecord& record : records) {
        units += 2;
        for (const QString& value : record.values) units += value.size() + 1;
    }
    return kMostBytesPerUnit * units;
}


}  // namespace

QByteArray reportFileBytes(const QList<ReportRecord>& records) {
    QByteArray bytes;
    bytes.reserve(mostBytes(records));
    QStringEncoder utf8(QStringEncoder::Utf8);
    for (const ReportRecord& record : records) {
        for (const QString& value : record.values) {
            appendOneLine(bytes, value, utf8);
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
    const QString failure = writeWholeFile(path, reportFileBytes(records));
    if (!failure.isEmpty()) {
        prompter.error(QStringLiteral("Report File Can Not Be Opened!\r\r") + failure, Buttons::Cancel);
        return false;
    }
    prompter.information(QStringLiteral("Task Completed! Report is in File\r\r") + path + u'.');
    return true;
}

}  // namespace vn
