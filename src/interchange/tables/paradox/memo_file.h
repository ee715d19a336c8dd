#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace vn {

// Where a memo or blob field's value lies: the last 10 bytes of the field in the row.
struct MemoPointer {
    quint32 blockOffset = 0;  // of the .MB block holding it, a multiple of 4096
    int index = 0;            // its entry in that block; 255: the block holds this value alone
    quint32 length = 0;       // bytes in all
    int modifier = 0;

    static MemoPointer fromTail(QByteArrayView tail);
};

// The values of a .MB file, read by our own code: every block and entry checked against the file
// before its bytes are used.
class MemoFile {
public:
    explicit MemoFile(QByteArrayView bytes) : bytes_(bytes) {}

    // The value's bytes, or nullopt with problem saying what in the file is wrong.
    [[nodiscard]] std::optional<QByteArray> read(const MemoPointer& pointer, QString& problem) const;

private:
    std::optional<QByteArray> readAlone(const MemoPointer& pointer, QString& problem) const;
    std::optional<QByteArray> readEntry(const MemoPointer& pointer, QString& problem) const;

    QByteArrayView bytes_;
};

}  // namespace vn
