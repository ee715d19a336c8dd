#include "interchange/tables/paradox/memo_file.h"

namespace vn {

namespace {

constexpr qint64 kBlock = 4096;
constexpr int kAloneType = 2, kSharedType = 3;
constexpr int kEntries = 64, kEntrySize = 5, kEntryTable = 12;
constexpr int kAloneData = 9;

quint32 le16(QByteArrayView b, qsizetype at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; }
quint32 le32(QByteArrayView b, qsizetype at) { return le16(b, at) | le16(b, at + 2) << 16; }

}  // namespace

MemoPointer MemoPointer::fromTail(QByteArrayView tail) {
    MemoPointer pointer;
    const quint32 where = le32(tail, 0);
    pointer.blockOffset = where & 0xFFFFFF00u;
    pointer.index = int(where & 0xFFu);
    pointer.length = le32(tail, 4);
    pointer.modifier = int(le16(tail, 8));
    return pointer;
}

std::optional<QByteArray> MemoFile::read(const MemoPointer& pointer, QString& problem) const {
    if (pointer.blockOffset % kBlock != 0 || pointer.blockOffset == 0 ||
        qint64(pointer.blockOffset) + kBlock > bytes_.size()) {
        problem = QStringLiteral("the memo block at %1 is not a block of the memo file").arg(pointer.blockOffset);
        return std::nullopt;
    }
    return pointer.index == 0xFF ? readAlone(pointer, problem) : readEntry(pointer, problem);
}

// A block of one value: its type, its size in blocks and the value's length, then the bytes.
std::optional<QByteArray> MemoFile::readAlone(const MemoPointer& pointer, QString& problem) const {
    const qint64 at = pointer.blockOffset;
    const qint64 blocks = le16(bytes_, at + 1);
    const quint32 length = le32(bytes_, at + 3);
    if (quint8(bytes_[at]) != kAloneType || length != pointer.length || kAloneData + qint64(length) > blocks * kBlock ||
        at + kAloneData + qint64(length) > bytes_.size()) {
        problem = QStringLiteral("the memo block at %1 does not hold the %2 bytes the row gives").arg(at).arg(pointer.length);
        return std::nullopt;
    }
    return bytes_.sliced(at + kAloneData, length).toByteArray();
}

// A block shared by small values: a table of 64 entries (offset and length in 16-byte units, the
// modifier, the length's remainder), then the values.
std::optional<QByteArray> MemoFile::readEntry(const MemoPointer& pointer, QString& problem) const {
    const qint64 at = pointer.blockOffset;
    const qint64 entry = at + kEntryTable + qint64(pointer.index) * kEntrySize;
    const bool shared = quint8(bytes_[at]) == kSharedType && pointer.index < kEntries;
    const qint64 start = shared ? qint64(quint8(bytes_[entry])) * 16 : 0;
    const int units = shared ? quint8(bytes_[entry + 1]) : 0;
    const int remainder = shared ? quint8(bytes_[entry + 4]) : 0;
    const qint64 length = remainder == 0 ? qint64(units) * 16 : qint64(units - 1) * 16 + remainder;
    if (!shared || units == 0 || remainder > 15 || start < kEntryTable + kEntries * kEntrySize ||
        length != qint64(pointer.length) || start + length > kBlock) {
        problem = QStringLiteral("entry %1 of the memo block at %2 does not hold the %3 bytes the row gives")
                      .arg(pointer.index)
                      .arg(at)
                      .arg(pointer.length);
        return std::nullopt;
    }
    return bytes_.sliced(at + start, length).toByteArray();
}

}  // namespace vn
