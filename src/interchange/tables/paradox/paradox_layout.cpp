#include "interchange/tables/paradox/paradox_layout.h"

#include <QSet>

namespace vn {

namespace {

constexpr int kMainHeader = 0x58;  // Paradox 3 headers end here; later versions add 0x20 bytes
constexpr int kDataHeader = 0x78;
constexpr int kBlockHeader = 6;

quint32 le16(QByteArrayView b, qsizetype at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; }
quint32 le32(QByteArrayView b, qsizetype at) { return le16(b, at) | le16(b, at + 2) << 16; }

struct Fault {
    QString what;
};

[[noreturn]] void fail(const QString& what) { throw Fault{what}; }

// The bytes a field of this type takes in a row, or 0 for a type or size that is not Paradox's.
int fieldBytes(int type, int declared) {
    using namespace paradox_type;
    switch (type) {
    case Alpha:
    case Bytes: return declared >= 1 && declared <= 255 ? declared : 0;
    case Short: return declared == 2 ? 2 : 0;
    case Logical: return declared == 1 ? 1 : 0;
    case Date:
    case Long:
    case Time:
    case AutoInc: return declared == 4 ? 4 : 0;
    case Currency:
    case Number:
    case Timestamp: return declared == 8 ? 8 : 0;
    case Bcd: return declared <= 32 ? 17 : 0;
    case Memo:
    case Blob:
    case FmtMemo:
    case Ole:
    case Graphic: return declared >= 10 && declared <= 250 ? declared : 0;
    default: return 0;
    }
}

bool hasDataHeader(int versionId) { return versionId >= 5; }

void readHeader(QByteArrayView file, ParadoxLayout& layout) {
    if (file.size() < kMainHeader) fail(QStringLiteral("the file is shorter than a Paradox header"));
    layout.recordSize = int(le16(file, 0x00));
    layout.headerSize = int(le16(file, 0x02));
    const int fileType = quint8(file[0x04]);
    if (fileType != 0 && fileType != 2) fail(QStringLiteral("the file is not a Paradox table (type %1)").arg(fileType));
    const int maxTableSize = quint8(file[0x05]);
    if (maxTableSize < 1 || maxTableSize > 32)
        fail(QStringLiteral("the header gives a block size of %1 KiB").arg(maxTableSize));
    layout.blockSize = maxTableSize * 1024;
    layout.rowCount = le32(file, 0x06);
    layout.versionId = quint8(file[0x39]);
    if (layout.versionId < 3 || layout.versionId > 12)
        fail(QStringLiteral("the header gives the unknown version %1").arg(layout.versionId));
    layout.keyFields = fileType == 0 ? int(le16(file, 0x23)) : 0;
    const int firstInfo = hasDataHeader(layout.versionId) ? kDataHeader : kMainHeader;
    if (layout.headerSize < firstInfo || layout.headerSize > file.size())
        fail(QStringLiteral("the header size %1 does not fit the file").arg(layout.headerSize));
    layout.encrypted = hasDataHeader(layout.versionId) ? le32(file, 0x5C) != 0 : le32(file, 0x25) != 0;
    layout.codePage = hasDataHeader(layout.versionId) ? int(le16(file, 0x6A)) : 0;
}

void readFields(QByteArrayView file, ParadoxLayout& layout) {
    const int count = int(le16(file, 0x21));
    if (count < 1 || count > 255) fail(QStringLiteral("the header gives %1 fields").arg(count));
    if (layout.keyFields > count)
        fail(QStringLiteral("the header gives %1 key fields of %2 fields").arg(layout.keyFields).arg(count));
    const qsizetype infoStart = hasDataHeader(layout.versionId) ? kDataHeader : kMainHeader;
    // Field types and sizes, the table name's pointer, a pointer a field name, the table name.
    const qsizetype tableName = infoStart + 2 * count + 4 + 4 * count;
    qsizetype at = tableName + (layout.versionId >= 12 ? 261 : 79);
    if (at > layout.headerSize) fail(QStringLiteral("the field list does not fit the header"));
    int bytes = 0;
    QSet<QByteArray> names;
    for (int i = 0; i < count; ++i) {
        ParadoxField field;
        field.type = quint8(file[infoStart + 2 * i]);
        const int declared = quint8(file[infoStart + 2 * i + 1]);
        const int size = fieldBytes(field.type, declared);
        if (size == 0)
            fail(QStringLiteral("field %1 has the type %2 with the size %3").arg(i + 1).arg(field.type).arg(declared));
        field.size = size;
        field.decimals = field.type == paradox_type::Bcd ? declared : 0;
        const qsizetype end = file.first(layout.headerSize).indexOf('\0', at);
        if (end < 0) fail(QStringLiteral("the name of field %1 does not end inside the header").arg(i + 1));
        field.name = file.sliced(at, end - at).toByteArray();
        if (field.name.isEmpty() || names.contains(field.name.toUpper()))
            fail(QStringLiteral("field %1 has no name of its own").arg(i + 1));
        names.insert(field.name.toUpper());
        at = end + 1;
        bytes += size;
        layout.fields.append(field);
    }
    if (bytes != layout.recordSize)
        fail(QStringLiteral("the header gives rows of %1 bytes, its fields take %2").arg(layout.recordSize).arg(bytes));
}

// Follows the chain of data blocks from the first, each block once, every row inside its block.
void readBlocks(QByteArrayView file, ParadoxLayout& layout) {
    const qint64 fileBlocks = le16(file, 0x0C);
    const qint64 room = (file.size() - layout.headerSize) / layout.blockSize;
    if (fileBlocks > room)
        fail(QStringLiteral("the header gives %1 blocks, the file holds %2").arg(fileBlocks).arg(room));
    const int rowsPerBlock = (layout.blockSize - kBlockHeader) / layout.recordSize;
    qint64 rows = 0;
    QSet<int> seen;
    for (int number = int(le16(file, 0x0E)); number != 0;) {
        if (number > fileBlocks || seen.contains(number))
            fail(QStringLiteral("block %1 is not a block of the file, or comes twice").arg(number));
        seen.insert(number);
        const qint64 offset = layout.headerSize + qint64(number - 1) * layout.blockSize;
        const int next = int(le16(file, offset));
        const int usedBytes = qint16(le16(file, offset + 4));
        const int used = usedBytes < 0 ? 0 : usedBytes / layout.recordSize + 1;
        if ((usedBytes >= 0 && usedBytes % layout.recordSize != 0) || used > rowsPerBlock ||
            (usedBytes < 0 && usedBytes != -layout.recordSize))
            fail(QStringLiteral("block %1 gives %2 bytes of rows").arg(number).arg(usedBytes));
        if (used > 0) layout.blocks.append({number, offset + kBlockHeader, used});
        rows += used;
        number = next;
    }
    if (rows != layout.rowCount)
        fail(QStringLiteral("the header gives %1 rows, its blocks hold %2").arg(layout.rowCount).arg(rows));
}

}  // namespace

std::optional<ParadoxLayout> checkParadoxLayout(QByteArrayView file, const QString& name, ForeignProblem& problem) {
    ParadoxLayout layout;
    try {
        readHeader(file, layout);
        if (layout.encrypted) {
            problem.message = QStringLiteral("The Paradox table \"%1\" is protected by a password; Varnedo cannot read it.")
                                  .arg(name);
            return std::nullopt;
        }
        readFields(file, layout);
        readBlocks(file, layout);
    } catch (const Fault& fault) {
        problem.message = QStringLiteral("The Paradox table \"%1\" cannot be read: %2.").arg(name, fault.what);
        return std::nullopt;
    }
    return layout;
}

}  // namespace vn
