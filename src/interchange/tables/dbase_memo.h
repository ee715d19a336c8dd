#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace vn {

// A memo file beside a dBase table, read only: dBase .dbt (blocks ended by 0x1A, or dBase IV
// blocks that carry their length) or FoxPro .fpt (big-endian block size, type and length).
class DbaseMemoFile {
public:
    // dBase III blocks are 512 bytes; dBase IV and FoxPro files give their block size.
    enum class Kind { Dbase3, Dbase4, Fpt };
    static constexpr quint32 kTextBlock = 1;  // FoxPro's type of a text memo

    struct Memo {
        quint32 type = kTextBlock;  // FoxPro's block type; dBase memos are text
        QByteArray bytes;
    };

    // False with why set when the file cannot be opened or its header is not sound.
    bool open(const QString& path, Kind kind, QString& why);
    const QString& path() const { return m_path; }
    // The memo starting at a block (block 0 is the file's header), checked to lie within the
    // file; nothing with why set (naming the block) otherwise.
    std::optional<Memo> read(quint64 block, QString& why);

private:
    std::optional<QByteArray> bytesAt(qint64 at, qint64 count);
    std::optional<Memo> readDbt(qint64 start, QString& why);
    std::optional<Memo> readFpt(qint64 start, QString& why);

    QFile m_file;
    QString m_path;
    Kind m_kind = Kind::Dbase3;
    qint64 m_size = 0;
    qint64 m_blockSize = 512;
};

}  // namespace vn
