#include "interchange/tables/dbase_header.h"

#include "interchange/tables/dbase_code_page.h"

#include <QStringDecoder>

namespace vn {

namespace {

constexpr int kDescriptorSize = 32;
constexpr char kEndOfFields = 0x0D;
constexpr unsigned char kSystemField = 0x01;  // Visual FoxPro: hidden, such as _NullFlags
constexpr unsigned char kNullable = 0x02;

unsigned byteAt(QByteArrayView bytes, qsizetype i) { return static_cast<unsigned char>(bytes[i]); }

unsigned littleEndian16(QByteArrayView bytes, qsizetype at) { return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8; }

quint32 littleEndian32(QByteArrayView bytes, qsizetype at) {
    return quint32(littleEndian16(bytes, at)) | quint32(littleEndian16(bytes, at + 2)) << 16;
}

bool isKnownVersion(unsigned char version) {
    return version == 0x03 || version == 0x83 || version == 0x8B || version == 0x30 || version == 0xF5;
}

// The name: printable bytes up to a NUL within the descriptor's 11 name bytes.
std::optional<QString> fieldName(QByteArrayView descriptor, QStringDecoder& decoder, QString& why) {
    const qsizetype end = descriptor.first(11).indexOf('\0');
    if (end < 0) return why = QStringLiteral("its name has no end"), std::nullopt;
    if (end == 0) return why = QStringLiteral("its name is empty"), std::nullopt;
    for (qsizetype i = 0; i < end; ++i)
        if (byteAt(descriptor, i) <= 0x20 || byteAt(descriptor, i) == 0x7F)
            return why = QStringLiteral("its name holds a byte that is not a printable character"), std::nullopt;
    return QString(decoder(descriptor.first(end)));
}

// The lengths a type allows; a memo pointer is ten digits, or four bytes in Visual FoxPro.
bool lengthFits(const DbaseField& field, bool visualFoxPro) {
    const int n = field.length;
    switch (field.type) {
    case 'C': return n >= 1;
    case 'N':
    case 'F': return n >= 1 && field.decimals < n;
    case 'D': return n == 8;
    case 'L': return n == 1;
    case 'M':
    case 'G':
    case 'P': return n == 10 || (visualFoxPro && n == 4);
    case 'B': return visualFoxPro ? n == 8 : n == 10;  // a double, or a binary memo
    case 'I': return visualFoxPro && n == 4;
    case 'Y':
    case 'T': return visualFoxPro && n == 8;
    default: return false;
    }
}

QString describe(int number, const QString& name) {
    return name.isEmpty() ? QStringLiteral("field %1").arg(number) : QStringLiteral("field %1 (\"%2\")").arg(number).arg(name);
}

struct DescriptorWalk {
    DbaseHeader& header;
    QStringDecoder decoder;
    int offset = 1;
    int nullBits = 0;

    // One descriptor into the header; false with why set.
    bool take(QByteArrayView descriptor, int number, QString& why) {
        QString reason;
        const auto name = fieldName(descriptor, decoder, reason);
        if (!name) return why = describe(number, QString()) + QStringLiteral(": ") + reason, false;
        DbaseField field;
        field.name = *name;
        field.type = descriptor[11];
        field.offset = offset;
        field.length = int(byteAt(descriptor, 16));
        field.decimals = int(byteAt(descriptor, 17));
        const unsigned flags = header.isVisualFoxPro() ? byteAt(descriptor, 18) : 0;
        offset += field.length;
        if (flags & kSystemField) return takeSystem(field, number, why);
        if (!lengthFits(field, header.isVisualFoxPro())) {
            why = describe(number, field.name) +
                  QStringLiteral(": type \"%1\" of length %2 cannot be read").arg(QChar::fromLatin1(field.type)).arg(field.length);
            return false;
        }
        if (flags & kNullable) field.nullBit = nullBits++;
        header.fields.append(field);
        return true;
    }

    bool takeSystem(const DbaseField& field, int number, QString& why) {
        if (field.type != '0' || header.nullFlagsOffset >= 0 || field.length < 1)
            return why = describe(number, field.name) + QStringLiteral(": a hidden field that cannot be read"), false;
        header.nullFlagsOffset = field.offset;
        header.nullFlagsLength = field.length;
        return true;
    }
};

bool walkDescriptors(QByteArrayView bytes, DbaseHeader& header, QString& why) {
    DescriptorWalk walk{header, QStringDecoder(dbaseEncodingName(header.languageDriver).constData())};
    qsizetype at = kDbaseFixedHeader;
    for (int number = 1; at < bytes.size() && bytes[at] != kEndOfFields; ++number, at += kDescriptorSize) {
        if (at + kDescriptorSize >= bytes.size())
            return why = QStringLiteral("the field descriptors run past the header length %1").arg(header.headerLength), false;
        if (!walk.take(bytes.sliced(at, kDescriptorSize), number, why)) return false;
    }
    if (at >= bytes.size())
        return why = QStringLiteral("the field list has no end within the header length %1").arg(header.headerLength), false;
    if (header.fields.isEmpty()) return why = QStringLiteral("the table has no fields"), false;
    if (walk.nullBits > header.nullFlagsLength * 8)
        return why = QStringLiteral("the null flags are too short for its %1 fields that can be empty").arg(walk.nullBits), false;
    if (walk.offset != header.recordLength)
        return why = QStringLiteral("the record length %1 does not match its fields (%2)").arg(header.recordLength).arg(walk.offset), false;
    return true;
}

}  // namespace

bool DbaseField::isMemoPointer() const {
    return type == 'M' || type == 'G' || type == 'P' || (type == 'B' && length == 10);
}

bool DbaseHeader::hasTextMemos() const {
    for (const DbaseField& field : fields)
        if (field.type == 'M') return true;
    return false;
}

int dbaseHeaderLength(QByteArrayView fixedHeader) {
    return fixedHeader.size() < kDbaseFixedHeader ? 0 : int(littleEndian16(fixedHeader, 8));
}

std::optional<DbaseHeader> parseDbaseHeader(QByteArrayView bytes, qint64 fileSize, QString& why) {
    if (bytes.size() < kDbaseFixedHeader) return why = QStringLiteral("the file is too short for a table header"), std::nullopt;
    DbaseHeader header;
    header.version = static_cast<unsigned char>(bytes[0]);
    if (!isKnownVersion(header.version))
        return why = QString::asprintf("version byte 0x%02X is not a dBase table this program reads", header.version), std::nullopt;
    header.recordCount = littleEndian32(bytes, 4);
    header.headerLength = dbaseHeaderLength(bytes);
    header.recordLength = int(littleEndian16(bytes, 10));
    header.languageDriver = static_cast<unsigned char>(bytes[29]);
    if (header.headerLength != bytes.size())
        return why = QStringLiteral("the header length %1 does not fit the file").arg(header.headerLength), std::nullopt;
    if (!walkDescriptors(bytes, header, why)) return std::nullopt;
    const qint64 needed = qint64(header.headerLength) + qint64(header.recordCount) * header.recordLength;
    if (needed > fileSize)
        return why = QStringLiteral("%1 records of %2 bytes do not fit in the file's %3 bytes")
                         .arg(header.recordCount).arg(header.recordLength).arg(fileSize),
               std::nullopt;
    return header;
}

}  // namespace vn
