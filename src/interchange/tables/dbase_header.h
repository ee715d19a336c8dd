#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace vn {

// One field of a dBase record as its descriptor says, checked against the header.
struct DbaseField {
    QString name;
    char type = 'C';
    int offset = 0;  // from the record's start, after the deletion flag
    int length = 0;
    int decimals = 0;
    int nullBit = -1;  // the field's bit in the hidden null flags, -1 when it cannot be null

    // Fields whose value is a block number in the memo file.
    bool isMemoPointer() const;
};

struct DbaseHeader {
    unsigned char version = 0;
    quint32 recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    unsigned char languageDriver = 0;
    QList<DbaseField> fields;  // the table's columns; the hidden null flags left out
    int nullFlagsOffset = -1;
    int nullFlagsLength = 0;

    bool isVisualFoxPro() const { return version == 0x30; }
    bool hasTextMemos() const;
};

inline constexpr int kDbaseFixedHeader = 32;

// The header's length (bytes 8-9), from its first 32 bytes.
int dbaseHeaderLength(QByteArrayView fixedHeader);

// The header read from its first headerLength bytes and checked whole: the version, the field
// descriptors (names, types and lengths), the record length against the fields and the record
// count against the file's size. Nothing when it is not sound, with why set (naming the field).
std::optional<DbaseHeader> parseDbaseHeader(QByteArrayView bytes, qint64 fileSize, QString& why);

}  // namespace vn
