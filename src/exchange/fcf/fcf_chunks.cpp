#include "exchange/fcf/fcf_chunks.h"

#include "exchange/fcf/fcf_format.h"

#include <QtEndian>

namespace vn {

namespace {

constexpr qsizetype kLengthBytes = 4;

char biased(qsizetype value) { return char(value + kFcfBias); }

}  // namespace

void appendFcfChunk(QByteArrayView body, QByteArray& out) {
    char length[kLengthBytes];
    qToLittleEndian<qint32>(qint32(body.size()), length);
    out.append(length, kLengthBytes);
    out.append(body);
}

void appendFcfRow(int tableCode, std::span<const QByteArrayView> fields, QByteArray& out) {
    QByteArray body;
    body += biased(tableCode);
    body += biased(fields[0].size());
    body += fields[0];
    std::size_t last = 0;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (fields[i].isEmpty()) continue;
        if (i != last + 1) {
            body += char(kFcfJump);
            body += biased(qsizetype(i));
        }
        body += biased(fields[i].size());
        body += fields[i];
        last = i;
    }
    appendFcfChunk(body, out);
}

FcfChunks::FcfChunks(QByteArrayView bytes, const FieldCounts& fieldCounts) : m_bytes(bytes), m_fieldCounts(fieldCounts) {}

bool FcfChunks::fault(qsizetype offset, const QString& reason) {
    m_problem = reason;
    m_problemOffset = offset;
    return false;
}

bool FcfChunks::chunk(QByteArrayView& body) {
    const qsizetype at = m_position;
    const qsizetype left = m_bytes.size() - at;
    if (left < kLengthBytes) return fault(at, QStringLiteral("The file ends inside a chunk's length."));
    const qint32 length = qFromLittleEndian<qint32>(m_bytes.data() + at);
    if (length < 0) return fault(at, QStringLiteral("A chunk's length is negative (%1).").arg(length));
    if (length == 0) return fault(at, QStringLiteral("A chunk is empty."));
    if (length > left - kLengthBytes)
        return fault(at, QStringLiteral("A chunk of %1 bytes reaches past the end of the file (%2 bytes left).")
                             .arg(length)
                             .arg(left - kLengthBytes));
    body = m_bytes.sliced(at + kLengthBytes, length);
    m_position = at + kLengthBytes + length;
    return true;
}

bool FcfChunks::next(FcfRow& row) {
    if (!m_problem.isEmpty()) return false;
    if (!m_started) {
        m_started = true;
        QByteArrayView magic;
        if (!chunk(magic)) return false;
        if (magic != QByteArrayView(kFcfMagic)) return fault(0, QStringLiteral("The file does not begin as a form control file does."));
    }
    if (m_position == m_bytes.size()) return false;
    const qsizetype at = m_position;
    QByteArrayView body;
    return chunk(body) && parseRow(body, at, row);
}

bool FcfChunks::parseRow(QByteArrayView body, qsizetype at, FcfRow& row) {
    const qsizetype base = at + kLengthBytes;
    const auto byte = [&](qsizetype i) { return int(static_cast<unsigned char>(body[i])); };
    row.offset = at;
    row.tableCode = byte(0) - kFcfBias;
    row.values.clear();
    if (row.tableCode < 1 || row.tableCode > kFcfTableCount)
        return fault(base, QStringLiteral("The table code %1 is none of List, Fdis, Selc and Tdat.").arg(row.tableCode));
    const int fieldCount = m_fieldCounts[std::size_t(row.tableCode - 1)];
    if (body.size() < 2) return fault(base + 1, QStringLiteral("The row has no key."));
    const int keyLength = byte(1) - kFcfBias;
    if (keyLength <= 0 || byte(1) == kFcfJump) return fault(base + 1, QStringLiteral("The row's key is empty."));
    if (keyLength > body.size() - 2) return fault(base + 1, QStringLiteral("The key reaches past the end of its chunk."));
    row.key = body.sliced(2, keyLength);
    qsizetype pos = 2 + keyLength;
    int last = 0;
    while (pos < body.size()) {
        int field = last + 1;
        if (byte(pos) == kFcfJump) {
            if (pos + 1 >= body.size()) return fault(base + pos, QStringLiteral("The chunk ends inside a jump."));
            field = byte(pos + 1) - kFcfBias;
            if (field <= last)
                return fault(base + pos + 1, QStringLiteral("A jump to field %1 does not go forward from field %2.").arg(field).arg(last));
            pos += 2;
        }
        if (field >= fieldCount)
            return fault(base + pos, QStringLiteral("Field %1 is not one of the %2 fields before \"Delta\".").arg(field).arg(fieldCount));
        if (pos >= body.size()) return fault(base + pos, QStringLiteral("The chunk ends before the length of field %1.").arg(field));
        const int length = byte(pos) - kFcfBias;
        if (length < 0 || length > kLongestFcfValue)
            return fault(base + pos, QStringLiteral("The length byte of field %1 is no length.").arg(field));
        if (length > body.size() - pos - 1)
            return fault(base + pos, QStringLiteral("Field %1 reaches past the end of its chunk.").arg(field));
        row.values.emplace_back(field, body.sliced(pos + 1, length));
        pos += 1 + length;
        last = field;
    }
    return true;
}

}  // namespace vn
