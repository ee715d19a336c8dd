#include "interchange/export/workbook_check.h"

#include <QFile>
#include <QXmlStreamReader>
#include <optional>
#include <zlib.h>

namespace vn {

namespace {

constexpr qsizetype kEndRecordSize = 22, kDirectoryEntrySize = 46, kLocalHeaderSize = 30;

quint32 number(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | uchar(bytes[at + i]);
    return value;
}

// The deflated or stored entry's bytes, from the central directory of the whole file.
std::optional<QByteArray> entryData(const QByteArray& zip, const QString& name) {
    const qsizetype end = zip.size() - kEndRecordSize;
    if (end < 0 || !zip.sliced(end).startsWith("PK\x05\x06")) return std::nullopt;
    const qsizetype directorySize = number(zip, end + 12, 4), directoryOffset = number(zip, end + 16, 4);
    if (directoryOffset + directorySize != end) return std::nullopt;
    const QByteArray wanted = name.toUtf8();
    for (qsizetype at = directoryOffset; at + kDirectoryEntrySize <= end;) {
        const qsizetype nameSize = number(zip, at + 28, 2), extraSize = number(zip, at + 30, 2), noteSize = number(zip, at + 32, 2);
        if (zip.sliced(at + kDirectoryEntrySize, qMin(nameSize, end - at - kDirectoryEntrySize)) == wanted) {
            const quint32 method = number(zip, at + 10, 2), packed = number(zip, at + 20, 4), size = number(zip, at + 24, 4);
            const qsizetype local = number(zip, at + 42, 4);
            if (local + kLocalHeaderSize > directoryOffset) return std::nullopt;
            const qsizetype data = local + kLocalHeaderSize + number(zip, local + 26, 2) + number(zip, local + 28, 2);
            if (data + qsizetype(packed) > directoryOffset) return std::nullopt;
            if (method == 0) return zip.sliced(data, packed);
            if (method != 8) return std::nullopt;
            QByteArray out(size, Qt::Uninitialized);
            z_stream stream{};
            if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.constData() + data));
            stream.avail_in = packed;
            stream.next_out = reinterpret_cast<Bytef*>(out.data());
            stream.avail_out = size;
            const int rc = inflate(&stream, Z_FINISH);
            inflateEnd(&stream);
            if (rc != Z_STREAM_END || stream.total_out != size) return std::nullopt;
            return out;
        }
        at += kDirectoryEntrySize + nameSize + extraSize + noteSize;
    }
    return std::nullopt;
}

bool sheetHasRows(const QByteArray& xml, int rows) {
    QXmlStreamReader reader(xml);
    int seen = 0;
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd())
        if (reader.isStartElement() && reader.name() == QLatin1String("row")) ++seen;
    return !reader.hasError() && seen == rows;
}

}  // namespace

bool workbookIsWhole(const QString& path, const QString& sheetEntry, int rows) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const std::optional<QByteArray> sheet = entryData(file.readAll(), sheetEntry);
    return sheet && sheetHasRows(*sheet, rows);
}

}  // namespace vn
