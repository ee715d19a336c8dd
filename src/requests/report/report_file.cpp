#include "requests/report/report_file.h"

#include "platform/prompter.h"
#include "platform/whole_file.h"
#include "requests/report/utf8_bytes.h"

#include <QDir>
#include <QStringEncoder>

namespace vn {

namespace {

constexpr int kCountLine = 64;  // "Records Listed:  " and the count

// The value in UTF-8 with line breaks and "~" (all ASCII, so never inside a longer character)
// written as spaces.
void appendOneLine(QByteArray& bytes, QStringView value, QStringEncoder& utf8) {
    for (qsizetype i = appendUtf8(bytes, value, utf8); i < bytes.size(); ++i)
        if (bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '~') bytes[i] = ' ';
}

}  // namespace

QByteArray reportFileBytes(const QList<ReportRecord>& records) {
    QByteArray bytes;
    bytes.reserve(mostUtf8Bytes(records, 1) + kCountLine);
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
