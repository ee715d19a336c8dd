#include "interchange/tables/child/table_frames.h"

#include <QtEndian>

#include <optional>

namespace vn::table_frame {

namespace {

constexpr char kTable = 'T', kRow = 'R', kEnd = 'E', kProblem = 'P';
constexpr qsizetype kFrameHeader = 5;
constexpr quint32 kLargestFrame = 256u << 20;  // a row of many memos; far below what a pipe could flood
constexpr quint32 kMostColumns = 4096;

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putText(QByteArray& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    put32(out, quint32(utf8.size()));
    out.append(utf8);
}

QByteArray frame(char kind, const QByteArray& payload) {
    QByteArray out(1, kind);
    put32(out, quint32(payload.size()));
    return out + payload;
}

// Reads a payload front to back; any read past its end leaves it failed.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes) : bytes_(bytes) {}
    std::optional<quint32> u32() {
        if (bytes_.size() - at_ < 4) return std::nullopt;
        at_ += 4;
        return qFromLittleEndian<quint32>(bytes_.constData() + at_ - 4);
    }
    std::optional<QString> text() {
        const auto size = u32();
        if (!size || *size > quint64(bytes_.size() - at_)) return std::nullopt;
        at_ += *size;
        return QString::fromUtf8(bytes_.constData() + at_ - *size, *size);
    }
    bool atEnd() const { return at_ == bytes_.size(); }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

}  // namespace

QByteArray table(const QList<ForeignColumn>& columns, qint64 rowCount) {
    QByteArray payload;
    put32(payload, quint32(rowCount & 0xFFFFFFFF));
    put32(payload, quint32(quint64(rowCount) >> 32));
    put32(payload, quint32(columns.size()));
    for (const ForeignColumn& column : columns) {
        put32(payload, quint32(column.type));
        putText(payload, column.name);
    }
    return frame(kTable, payload);
}

QByteArray row(const QStringList& values) {
    QByteArray payload;
    put32(payload, quint32(values.size()));
    for (const QString& value : values) putText(payload, value);
    return frame(kRow, payload);
}

QByteArray end() { return frame(kEnd, QByteArray()); }

QByteArray problem(const QString& message) {
    QByteArray payload;
    putText(payload, message);
    return frame(kProblem, payload);
}

Parser::Step Parser::next() {
    if (broken_) return Step::Damaged;
    if (finished_) return read_ < buffer_.size() ? damaged(QStringLiteral("data after the end")) : Step::NeedMore;
    if (buffer_.size() - read_ < kFrameHeader) return Step::NeedMore;
    const char kind = buffer_[read_];
    const quint32 size = qFromLittleEndian<quint32>(buffer_.constData() + read_ + 1);
    if (size > kLargestFrame) return damaged(QStringLiteral("a frame of %1 bytes").arg(size));
    if (buffer_.size() - read_ - kFrameHeader < qsizetype(size)) return Step::NeedMore;
    const QByteArray payload = buffer_.mid(read_ + kFrameHeader, size);
    read_ += kFrameHeader + size;
    if (read_ > (1 << 20)) {  // keep the buffer from growing with every row read
        buffer_.remove(0, read_);
        read_ = 0;
    }
    return take(kind, payload);
}

Parser::Step Parser::take(char kind, const QByteArray& payload) {
    if (kind == kProblem) {
        Cursor cursor(payload);
        const auto message = cursor.text();
        if (!message || !cursor.atEnd() || message->isEmpty()) return damaged(QStringLiteral("a damaged problem frame"));
        finished_ = true;
        what_ = *message;
        return Step::Problem;
    }
    if (kind == kTable) return started_ ? damaged(QStringLiteral("a second table frame")) : takeTable(payload);
    if (!started_) return damaged(QStringLiteral("no table frame first"));
    if (kind == kRow) return takeRow(payload);
    if (kind == kEnd && payload.isEmpty()) {
        if (rowsSeen_ != rowCount_)
            return damaged(QStringLiteral("%1 rows announced, %2 sent").arg(rowCount_).arg(rowsSeen_));
        finished_ = true;
        return Step::End;
    }
    return damaged(QStringLiteral("a frame of the unknown kind %1").arg(int(quint8(kind))));
}

Parser::Step Parser::takeTable(const QByteArray& payload) {
    Cursor cursor(payload);
    const auto low = cursor.u32(), high = cursor.u32(), count = cursor.u32();
    if (!count || *high > 0x7FFF || *count == 0 || *count > kMostColumns)
        return damaged(QStringLiteral("a damaged table frame"));
    for (quint32 i = 0; i < *count; ++i) {
        const auto type = cursor.u32();
        const auto name = cursor.text();
        if (!name || *type > quint32(ForeignType::Binary)) return damaged(QStringLiteral("a damaged column"));
        columns_.append({*name, ForeignType(*type)});
    }
    if (!cursor.atEnd()) return damaged(QStringLiteral("a damaged table frame"));
    rowCount_ = qint64(quint64(*high) << 32 | *low);
    started_ = true;
    return Step::Table;
}

Parser::Step Parser::takeRow(const QByteArray& payload) {
    Cursor cursor(payload);
    const auto count = cursor.u32();
    if (!count || *count != quint32(columns_.size())) return damaged(QStringLiteral("a row without a value a column"));
    if (rowsSeen_ >= rowCount_) return damaged(QStringLiteral("more rows than the %1 announced").arg(rowCount_));
    row_.clear();
    for (quint32 i = 0; i < *count; ++i) {
        const auto value = cursor.text();
        if (!value) return damaged(QStringLiteral("a damaged row"));
        row_.append(*value);
    }
    if (!cursor.atEnd()) return damaged(QStringLiteral("a damaged row"));
    ++rowsSeen_;
    return Step::Row;
}

Parser::Step Parser::damaged(const QString& why) {
    what_ = why;
    broken_ = true;
    buffer_.clear();
    read_ = 0;
    return Step::Damaged;
}

}  // namespace vn::table_frame
