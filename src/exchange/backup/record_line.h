#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <stdexcept>
#include <utility>
#include <vector>

namespace vn {

// The backup file's record encoding. Every length, field number and line count is one byte,
// the value + 32. A record line holds the table (slot + 32), the key (length, bytes), then each
// non-empty field: a field that follows the one written last as length and bytes, any other as
// 255, field, length and bytes. Memo blocks (255, 255, field, line count) close the line; their
// lines follow it in the same order. Lengths count the file's bytes.
inline constexpr int kLongestShortValue = 222;  // 223 would be written as 255, the marker
inline constexpr int kMostMemoLines = 223;
inline constexpr int kLastNamedField = 222;     // explicit field numbers
inline constexpr int kLastMemoField = 223;

// A value the encoding cannot carry.
class UnwritableValue : public std::runtime_error {
public:
    UnwritableValue(int field, const QString& reason) : std::runtime_error("unwritable value"), field(field), reason(reason) {}
    int field;
    QString reason;
};

// Writes one record at a time straight into the file's bytes, keeping back only its memo blocks.
class RecordLineEncoder {
public:
    // Throws UnwritableValue for a key the line cannot hold.
    void begin(QByteArray& out, int slot, QByteArrayView key);
    // A non-empty field, in ascending order. A value with a line break, one too long for its
    // length byte, and a memoBlock field go into a memo block; fields past 222, which no byte can
    // name, are reached through empty fields. Throws UnwritableValue.
    void add(int field, QByteArrayView value, bool memoBlock);
    // Closes the record line and appends the memo lines.
    void finish();

private:
    QByteArray* m_out = nullptr;
    int m_last = 0;
    std::vector<std::pair<int, QByteArray>> m_memos;
};

// The lines of a memo text: split at CR LF, CR or LF; a closing line break leaves an empty last
// line, so joining them with CR LF gives the text back.
std::vector<QByteArrayView> memoLines(QByteArrayView text);

struct RecordLine {
    QByteArrayView key;
    std::vector<std::pair<int, QByteArrayView>> values;  // in line order; an empty one carries nothing
    std::vector<std::pair<int, int>> memos;              // field and line count, in block order
};

// Takes a record line apart (its first byte is the table's); fieldCount is the table's number
// of carried fields. Returns why the line cannot be read, empty when it can; what was read
// before a fault stays in out.
QString decodeRecordLine(QByteArrayView line, int fieldCount, RecordLine& out);

}  // namespace vn
