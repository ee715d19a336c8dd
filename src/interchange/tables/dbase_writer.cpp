#include "interchange/tables/dbase_writer.h"

#include "interchange/tables/dbase_field_names.h"
#include "store/text/windows1252.h"

#include <QSet>
#include <QtEndian>

#include <limits>

namespace vn {

namespace {

constexpr char kVersion = 0x03;
constexpr char kWindows1252Driver = 0x57;
constexpr char kEndOfFields = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr int kMaxWidth = 254;
constexpr qsizetype kFlushSize = 1 << 20;

// The Windows-1252 byte of a character, -1 when it has none.
int windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    for (int b = 0x80; b < 0xA0; ++b)
        if (c >= 0x100 && windows1252::toUnicode(static_cast<unsigned char>(b)) == c) return b;
    return -1;
}

template <typename T>
void putLittleEndian(QByteArray& bytes, qsizetype at, T value) {
    qToLittleEndian(value, bytes.data() + at);
}

QString fieldsProblem(const QList<DbaseFieldLayout>& fields) {
    if (fields.isEmpty()) return QStringLiteral("a table needs a field");
    qint64 recordLength = 1;
    QSet<QString> names;
    for (const DbaseFieldLayout& field : fields) {
        if (!isLegalDbaseName(field.name)) return QStringLiteral("\"%1\" is not a dBase field name").arg(field.name);
        if (field.width < 1 || field.width > kMaxWidth)
            return QStringLiteral("field \"%1\": a width of %2 is not 1 to %3").arg(field.name).arg(field.width).arg(kMaxWidth);
        if (names.contains(field.name.toUpper())) return QStringLiteral("field \"%1\" is named twice").arg(field.name);
        names.insert(field.name.toUpper());
        recordLength += field.width;
    }
    if (32 + 32 * qint64(fields.size()) + 1 > 0xFFFF || recordLength > 0xFFFF) return QStringLiteral("too many fields for a dBase table");
    return QString();
}

}  // namespace

DbaseWriter::DbaseWriter(const QString& path, QList<DbaseFieldLayout> fields, QDate lastModified)
    : m_file(path), m_fields(std::move(fields)), m_lastModified(lastModified) {}

bool DbaseWriter::open(QString& failure) {
    failure = fieldsProblem(m_fields);
    if (!failure.isEmpty()) return failure = QStringLiteral("%1: %2").arg(m_file.fileName(), failure), false;
    // Unbuffered, and each block's write checked: Qt's buffer lets a short write pass unnoticed.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure = QStringLiteral("%1: %2").arg(m_file.fileName(), m_file.errorString()), false;
    write(headerBytes());
    return true;
}

QByteArray DbaseWriter::headerBytes() const {
    const int headerLength = 32 + 32 * int(m_fields.size()) + 1;
    int recordLength = 1;
    for (const DbaseFieldLayout& field : m_fields) recordLength += field.width;
    QByteArray header(32, '\0');
    header[0] = kVersion;
    header[1] = char(m_lastModified.year() - 1900);
    header[2] = char(m_lastModified.month());
    header[3] = char(m_lastModified.day());
    putLittleEndian(header, 4, m_rows);
    putLittleEndian(header, 8, quint16(headerLength));
    putLittleEndian(header, 10, quint16(recordLength));
    header[29] = kWindows1252Driver;  // byte 28, the index flag, stays 0: no .MDX
    for (const DbaseFieldLayout& field : m_fields) {
        QByteArray descriptor(32, '\0');
        descriptor.replace(0, field.name.size(), field.name.toUpper().toLatin1());
        descriptor[11] = 'C';
        descriptor[16] = char(field.width);
        header += descriptor;
    }
    header += kEndOfFields;
    return header;
}

void DbaseWriter::write(const QByteArray& bytes) {
    m_buffer += bytes;
    if (m_buffer.size() < kFlushSize || m_failed) return;
    if (m_file.write(m_buffer) != m_buffer.size()) {
        m_failed = true;
        m_failure = QStringLiteral("%1: %2").arg(m_file.fileName(), m_file.errorString());
        m_file.cancelWriting();  // commit then keeps the old file
    }
    m_buffer.clear();
}

void DbaseWriter::appendValue(const QString& value, int width, QByteArray& record) {
    const QList<uint> characters = value.toUcs4();
    const qsizetype kept = std::min<qsizetype>(characters.size(), width);
    if (kept < characters.size()) ++m_counts.cutValues;
    bool replaced = false;
    for (qsizetype i = 0; i < kept; ++i) {
        const int byte = windows1252Byte(characters[i]);
        replaced = replaced || byte < 0;
        record += byte < 0 ? '?' : char(byte);
    }
    record.append(width - kept, ' ');
    if (replaced) ++m_counts.replacedValues;
}

void DbaseWriter::writeRow(const QStringList& values) {
    Q_ASSERT(values.size() <= m_fields.size());
    if (m_rows == std::numeric_limits<quint32>::max()) {
        m_failed = true;
        m_failure = QStringLiteral("%1: too many rows for a dBase table").arg(m_file.fileName());
        return;
    }
    QByteArray record(1, ' ');
    for (qsizetype i = 0; i < m_fields.size(); ++i) appendValue(values.value(i), m_fields[i].width, record);
    write(record);
    ++m_rows;
}

bool DbaseWriter::commit(QString& failure) {
    m_buffer += kEndOfFile;
    const QByteArray header = headerBytes();  // now with the row count
    const bool written = !m_failed && m_file.write(m_buffer) == m_buffer.size() && m_file.seek(0) &&
                         m_file.write(header) == header.size();
    m_buffer.clear();
    if (written && m_file.commit()) return true;
    failure = m_failed ? m_failure : QStringLiteral("%1: %2").arg(m_file.fileName(), m_file.errorString());
    m_file.cancelWriting();
    return false;
}

bool writeDbaseTable(const QString& path, const QList<DbaseFieldLayout>& fields, const QList<QStringList>& rows,
                     DbaseWriteCounts& counts, QString& failure) {
    DbaseWriter writer(path, fields);
    if (!writer.open(failure)) return false;
    for (const QStringList& row : rows) writer.writeRow(row);
    counts = writer.counts();
    return writer.commit(failure);
}

}  // namespace vn
