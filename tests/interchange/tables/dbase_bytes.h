#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QtEndian>

#include <optional>

#include "interchange/tables/dbase_table.h"

namespace vn::test {

// dBase files built byte by byte, the way other programs write them.
struct DbfField {
    const char* name;
    char type;
    int length;
    int decimals = 0;
    unsigned char flags = 0;  // Visual FoxPro: 0x01 hidden, 0x02 can be empty
};

// A table of the given records, each its deletion flag (' ' or '*') and its field bytes.
inline QByteArray dbfBytes(unsigned char version, unsigned char driver, const QList<DbfField>& fields,
                           const QList<QByteArray>& records) {
    int recordLength = 1;
    for (const DbfField& f : fields) recordLength += f.length;
    QByteArray bytes(32, '\0');
    bytes[0] = char(version);
    bytes[1] = char(124), bytes[2] = 5, bytes[3] = 17;
    qToLittleEndian(quint32(records.size()), bytes.data() + 4);
    qToLittleEndian(quint16(32 + 32 * fields.size() + 1), bytes.data() + 8);
    qToLittleEndian(quint16(recordLength), bytes.data() + 10);
    bytes[29] = char(driver);
    for (const DbfField& f : fields) {
        QByteArray d(32, '\0');
        d.replace(0, qstrlen(f.name), f.name);
        d[11] = f.type, d[16] = char(f.length), d[17] = char(f.decimals), d[18] = char(f.flags);
        bytes += d;
    }
    bytes += '\r';
    for (const QByteArray& record : records) bytes += record;
    return bytes + '\x1a';
}

// A record: its flag, then each value padded to its field, numbers to the right.
inline QByteArray dbfRecord(char flag, const QList<DbfField>& fields, const QList<QByteArray>& values) {
    QByteArray record(1, flag);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const bool right = fields[i].type == 'N' || fields[i].type == 'F';
        const QByteArray value = values.value(i).left(fields[i].length);
        const QByteArray pad(fields[i].length - value.size(), ' ');
        record += right ? pad + value : value + pad;
    }
    return record;
}

// A dBase III memo file: block 0 its header, then each text from its own run of 512-byte blocks.
inline QByteArray dbt3Bytes(const QList<QByteArray>& texts) {
    QByteArray bytes(512, '\0');
    for (const QByteArray& text : texts) {
        QByteArray block = text + "\x1a\x1a";
        block.append((512 - block.size() % 512) % 512, '\0');
        bytes += block;
    }
    qToLittleEndian(quint32(bytes.size() / 512), bytes.data());
    return bytes;
}

// A dBase IV memo file of 64-byte blocks, each memo with its signature and length.
inline QByteArray dbt4Bytes(const QList<QByteArray>& texts) {
    QByteArray bytes(64, '\0');
    qToLittleEndian(quint16(64), bytes.data() + 20);
    for (const QByteArray& text : texts) {
        QByteArray block("\xff\xff\x08\x00", 4);
        block.append(4, '\0');
        qToLittleEndian(quint32(8 + text.size()), block.data() + 4);
        block += text;
        block.append((64 - block.size() % 64) % 64, '\0');
        bytes += block;
    }
    return bytes;
}

// A FoxPro memo file of 64-byte blocks after its 512-byte header: type 1 (text) and length.
inline QByteArray fptBytes(const QList<QByteArray>& texts) {
    QByteArray bytes(512, '\0');
    qToBigEndian(quint16(64), bytes.data() + 6);
    for (const QByteArray& text : texts) {
        QByteArray block(8, '\0');
        qToBigEndian(quint32(1), block.data());
        qToBigEndian(quint32(text.size()), block.data() + 4);
        block += text;
        block.append((64 - block.size() % 64) % 64, '\0');
        bytes += block;
    }
    qToBigEndian(quint32(bytes.size() / 64), bytes.data());
    return bytes;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// Every row of a table, or nothing with problem set when it is refused on opening or on a row.
inline std::optional<QList<QStringList>> readDbase(const QString& path, ForeignProblem& problem) {
    const auto table = openDbaseTable(path, problem);
    if (!table) return std::nullopt;
    QList<QStringList> rows;
    QStringList values;
    while (table->nextRow(values, problem)) rows.append(values);
    if (!problem.message.isEmpty()) return std::nullopt;
    return rows;
}

}  // namespace vn::test
