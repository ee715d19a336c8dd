#include "interchange/tables/dbase_memo.h"

namespace vn {

namespace {

constexpr qint64 kFptHeader = 512;
constexpr char kDbtEnd = 0x1A;
constexpr qint64 kScanChunk = 64 * 1024;

unsigned byteAt(const QByteArray& bytes, qsizetype i) { return static_cast<unsigned char>(bytes[i]); }

quint32 bigEndian32(const QByteArray& b, qsizetype at) {
    return quint32(byteAt(b, at)) << 24 | quint32(byteAt(b, at + 1)) << 16 | quint32(byteAt(b, at + 2)) << 8 | byteAt(b, at + 3);
}

quint32 littleEndian32(const QByteArray& b, qsizetype at) {
    return quint32(byteAt(b, at)) | quint32(byteAt(b, at + 1)) << 8 | quint32(byteAt(b, at + 2)) << 16 | quint32(byteAt(b, at + 3)) << 24;
}

// A dBase IV memo block begins with FF FF 08 00 and its length (header included).
bool hasDbase4Signature(const QByteArray& b) {
    return b.size() >= 8 && byteAt(b, 0) == 0xFF && byteAt(b, 1) == 0xFF && byteAt(b, 2) == 0x08 && byteAt(b, 3) == 0x00;
}

}  // namespace

bool DbaseMemoFile::open(const QString& path, Kind kind, QString& why) {
    m_path = path;
    m_kind = kind;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) return why = m_file.errorString(), false;
    m_size = m_file.size();
    const auto header = bytesAt(0, kind == Kind::Fpt ? kFptHeader : 22);
    if (!header) return why = QStringLiteral("the file is too short for a memo file header"), false;
    if (kind == Kind::Fpt)
        m_blockSize = qint64(byteAt(*header, 6)) << 8 | byteAt(*header, 7);
    else if (kind == Kind::Dbase4)
        m_blockSize = qint64(byteAt(*header, 20)) | qint64(byteAt(*header, 21)) << 8;
    if (m_blockSize == 0) return why = QStringLiteral("the memo file's block size is 0"), false;
    return true;
}

std::optional<QByteArray> DbaseMemoFile::bytesAt(qint64 at, qint64 count) {
    if (at < 0 || count < 0 || at > m_size || count > m_size - at || !m_file.seek(at)) return std::nullopt;
    QByteArray bytes = m_file.read(count);
    if (bytes.size() != count) return std::nullopt;
    return bytes;
}

std::optional<DbaseMemoFile::Memo> DbaseMemoFile::read(quint64 block, QString& why) {
    const qint64 start = qint64(block) * m_blockSize;  // at most ten digits times 65535: no overflow
    if (block == 0 || start >= m_size) {
        why = QStringLiteral("memo block %1 lies outside the memo file %2").arg(block).arg(m_path);
        return std::nullopt;
    }
    auto memo = m_kind == Kind::Fpt ? readFpt(start, why) : readDbt(start, why);
    if (!memo) why = QStringLiteral("memo block %1 of %2: %3").arg(block).arg(m_path, why);
    return memo;
}

std::optional<DbaseMemoFile::Memo> DbaseMemoFile::readFpt(qint64 start, QString& why) {
    const auto head = bytesAt(start, 8);
    if (!head) return why = QStringLiteral("its header runs past the end of the file"), std::nullopt;
    Memo memo{bigEndian32(*head, 0), {}};
    const auto bytes = bytesAt(start + 8, bigEndian32(*head, 4));
    if (!bytes) return why = QStringLiteral("its length %1 runs past the end of the file").arg(bigEndian32(*head, 4)), std::nullopt;
    memo.bytes = *bytes;
    return memo;
}

std::optional<DbaseMemoFile::Memo> DbaseMemoFile::readDbt(qint64 start, QString& why) {
    const auto head = bytesAt(start, std::min<qint64>(8, m_size - start));
    if (head && hasDbase4Signature(*head)) {
        const quint32 length = littleEndian32(*head, 4);
        const auto bytes = length >= 8 ? bytesAt(start + 8, length - 8) : std::nullopt;
        if (!bytes) return why = QStringLiteral("its length %1 does not fit in the file").arg(length), std::nullopt;
        QByteArray text = *bytes;
        while (text.endsWith(kDbtEnd)) text.chop(1);
        return Memo{kTextBlock, text};
    }
    QByteArray text;
    for (qint64 at = start; at < m_size; at += kScanChunk) {
        const auto chunk = bytesAt(at, std::min(kScanChunk, m_size - at));
        if (!chunk) break;
        const qsizetype end = chunk->indexOf(kDbtEnd);
        if (end >= 0) return Memo{kTextBlock, text + chunk->first(end)};
        text += *chunk;
    }
    return why = QStringLiteral("its text has no end mark before the end of the file"), std::nullopt;
}

}  // namespace vn
