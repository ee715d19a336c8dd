#include "requests/merge/merge_file.h"

#include "platform/prompter.h"
#include "platform/whole_file.h"
#include "requests/report/utf8_bytes.h"

#include <QDir>
#include <QStringEncoder>

#include <algorithm>

namespace vn {

namespace {

constexpr int kQuotesAndComma = 3;
constexpr int kCaptionBytes = 3 * 20 + kQuotesAndComma;  // captions are at most 20 characters

bool special(char c) { return c == '"' || c == '\r' || c == '\n'; }

// Doubles the quotes from `from` on and turns each CR LF, CR or LF into one space. All three
// are ASCII, so never part of a longer character.
void escapeFrom(QByteArray& bytes, qsizetype from) {
    const QByteArray raw = bytes.mid(from);
    bytes.truncate(from);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            bytes += "\"\"";
        } else if (c == '\r' || c == '\n') {
            bytes += ' ';
            if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
        } else {
            bytes += c;
        }
    }
}

// The text in UTF-8 between double quotes, encoded straight into the file's bytes.
void appendQuoted(QByteArray& bytes, QStringView text, QStringEncoder& utf8) {
    bytes += '"';
    const qsizetype from = appendUtf8(bytes, text, utf8);
    if (std::any_of(bytes.cbegin() + from, bytes.cend(), special)) escapeFrom(bytes, from);
    bytes += '"';
}

void appendLine(QByteArray& bytes, const QStringList& texts, QStringEncoder& utf8) {
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0) bytes += ',';
        appendQuoted(bytes, texts[i], utf8);
    }
    bytes += "\r\n";
}

}  // namespace

QByteArray mergeFileBytes(const QList<PrintField>& fields, const QList<ReportRecord>& records) {
    QByteArray bytes;
    if (records.isEmpty()) return bytes;
    bytes.reserve(mostUtf8Bytes(records, kQuotesAndComma) + kCaptionBytes * fields.size());
    QStringEncoder utf8(QStringEncoder::Utf8);
    QStringList captions;
    for (const PrintField& field : fields) captions << field.caption;
    appendLine(bytes, captions, utf8);
    for (const ReportRecord& record : records) appendLine(bytes, record.values, utf8);
    return bytes;
}

bool writeMergeFile(const QString& filesFolder, const QList<PrintField>& fields, const QList<ReportRecord>& records,
                    Prompter& prompter) {
    const QString path = QDir(filesFolder).filePath(kMergeFileName);
    QDir().mkpath(filesFolder);  // a failure shows as the file's own error below
    const QString failure = writeWholeFile(path, mergeFileBytes(fields, records));
    if (!failure.isEmpty()) {
        prompter.error(QStringLiteral("Report File Can Not Be Opened!\r\r") + failure, Buttons::Cancel);
        return false;
    }
    if (!records.isEmpty()) prompter.information(QStringLiteral("Task Completed! Merge Fields are in File\r\r") + path);
    return true;
}

}  // namespace vn
