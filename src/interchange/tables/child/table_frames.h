#pragma once

#include "interchange/tables/foreign_table.h"

#include <QByteArray>

namespace vn {

// How a child process hands a table to its parent: frames of a kind byte, a 4-byte little-endian
// length and that many bytes. The table frame (row count, then each column's type and name) comes
// first, then one frame a row (its values), then the end frame; a problem frame (its message) may
// take the place of any of them and ends the stream. Texts are UTF-8, each with its 4-byte length.
namespace table_frame {

QByteArray table(const QList<ForeignColumn>& columns, qint64 rowCount);
QByteArray row(const QStringList& values);
QByteArray end();
QByteArray problem(const QString& message);

// Frames taken apart as their bytes arrive, each checked against the frames before it: sizes within
// bounds, a row's values one a column, no more rows than announced, nothing after the end.
class Parser {
public:
    enum class Step { NeedMore, Table, Row, End, Problem, Damaged };

    void append(const QByteArray& bytes) { buffer_.append(bytes); }
    // The next frame, if all its bytes are in; Damaged (and every step after it) when the bytes are
    // not such a stream, with what() saying why.
    Step next();

    const QList<ForeignColumn>& columns() const { return columns_; }
    qint64 rowCount() const { return rowCount_; }
    const QStringList& row() const { return row_; }
    // The problem frame's message, or why the stream is damaged.
    const QString& what() const { return what_; }

private:
    Step take(char kind, const QByteArray& payload);
    Step takeTable(const QByteArray& payload);
    Step takeRow(const QByteArray& payload);
    Step damaged(const QString& why);

    QByteArray buffer_;
    qsizetype read_ = 0;
    bool started_ = false, finished_ = false, broken_ = false;
    QList<ForeignColumn> columns_;
    qint64 rowCount_ = 0, rowsSeen_ = 0;
    QStringList row_;
    QString what_;
};

}  // namespace table_frame

}  // namespace vn
