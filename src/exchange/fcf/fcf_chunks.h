#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <span>
#include <vector>

namespace vn {

// Appends one chunk: its 4-byte little-endian length, then the bytes.
void appendFcfChunk(QByteArrayView body, QByteArray& out);

// Appends a row's chunk: the table code, the key (fields[0]), then each further non-empty
// field, with a jump where fields were left out. The key must not be empty and no value may be
// longer than kLongestFcfValue bytes.
void appendFcfRow(int tableCode, std::span<const QByteArrayView> fields, QByteArray& out);

// A row as the file holds it; the views point into the file's bytes.
struct FcfRow {
    qsizetype offset = 0;  // of the chunk's length
    int tableCode = 0;
    QByteArrayView key;
    std::vector<std::pair<int, QByteArrayView>> values;  // field number and text, in file order
};

// Walks a file's chunks, checking each length against the bytes left: the first chunk must be
// kFcfMagic, then every chunk a row of a known table with a key and fields before "Delta" that
// only go forward. The first fault ends the walk with its reason and byte offset.
class FcfChunks {
public:
    // The number of fields before "Delta", by table code 1 to 4.
    using FieldCounts = std::array<int, 4>;
    FcfChunks(QByteArrayView bytes, const FieldCounts& fieldCounts);

    // The next row; false at the end of the file or at a fault.
    bool next(FcfRow& row);
    const QString& problem() const { return m_problem; }
    qsizetype problemOffset() const { return m_problemOffset; }

private:
    bool chunk(QByteArrayView& body);
    bool parseRow(QByteArrayView body, qsizetype at, FcfRow& row);
    bool fault(qsizetype offset, const QString& reason);

    QByteArrayView m_bytes;
    FieldCounts m_fieldCounts;
    qsizetype m_position = 0;
    bool m_started = false;
    QString m_problem;
    qsizetype m_problemOffset = -1;
};

}  // namespace vn
