#include "requests/report/utf8_bytes.h"

namespace vn {

namespace {

// UTF-8 takes at most 3 bytes for a UTF-16 unit.
constexpr qsizetype kMostBytesPerUnit = 3;
constexpr int kLineEnd = 2;

}  // namespace

qsizetype appendUtf8(QByteArray& bytes, QStringView text, QStringEncoder& utf8) {
    const qsizetype from = bytes.size();
    bytes.resize(from + kMostBytesPerUnit * text.size());
    const char* end = utf8.appendToBuffer(bytes.data() + from, text);
    bytes.truncate(end - bytes.constData());
    return from;
}

qsizetype mostUtf8Bytes(const QList<ReportRecord>& records, int around) {
    qsizetype bytes = 0;
    for (const ReportRecord& record : records) {
        bytes += kLineEnd;
        for (const QString& value : record.values) bytes += kMostBytesPerUnit * value.size() + around;
    }
    return bytes;
}

}  // namespace vn
