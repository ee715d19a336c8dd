#pragma once

#include <QByteArrayView>

namespace vn {

// The lines of a file's bytes, numbered from 1, without their line ends (CR LF or LF).
class FileLines {
public:
    explicit FileLines(QByteArrayView bytes) : m_bytes(bytes) {}

    // The next line; false at the end of the bytes.
    bool next(QByteArrayView& line);
    qint64 number() const { return m_number; }
    // The line just read had no line end: a file cut short.
    bool unterminated() const { return m_unterminated; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    qsizetype position() const { return m_pos; }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    qint64 m_number = 0;
    bool m_unterminated = false;
};

// How many lines the bytes hold (a last line without its line end counts).
qint64 countLines(QByteArrayView bytes);

}  // namespace vn
