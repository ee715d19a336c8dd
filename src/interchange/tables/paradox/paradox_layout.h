#pragma once

#include "interchange/tables/foreign_table.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

namespace vn {

// One field of a Paradox table as its header declares it: the type code and its bytes in a row.
struct ParadoxField {
    QByteArray name;  // in the table's code page
    int type = 0;
    int size = 0;
    int decimals = 0;  // BCD only: the header keeps the decimals where other types keep the size
};

// A run of rows inside one data block, in the order the block chain gives.
struct ParadoxBlock {
    int number = 0;
    qint64 firstRowOffset = 0;
    int rows = 0;
};

// Everything the reader relies on, taken from a .DB file and checked against the file's size before
// any row is read.
struct ParadoxLayout {
    int recordSize = 0;
    int headerSize = 0;
    int blockSize = 0;
    int versionId = 0;
    qint64 rowCount = 0;
    int keyFields = 0;
    int codePage = 0;
    bool encrypted = false;
    QList<ParadoxField> fields;
    QList<ParadoxBlock> blocks;
};

// The layout of a whole .DB file, or nullopt with problem naming the file (by name) and the part or
// block that is wrong.
[[nodiscard]] std::optional<ParadoxLayout> checkParadoxLayout(QByteArrayView file, const QString& name,
                                                              ForeignProblem& problem);

// The type codes of a Paradox header.
namespace paradox_type {
constexpr int Alpha = 0x01, Date = 0x02, Short = 0x03, Long = 0x04, Currency = 0x05, Number = 0x06,
              Logical = 0x09, Memo = 0x0C, Blob = 0x0D, FmtMemo = 0x0E, Ole = 0x0F, Graphic = 0x10,
              Time = 0x14, Timestamp = 0x15, AutoInc = 0x16, Bcd = 0x17, Bytes = 0x18;
}

}  // namespace vn
