#include "interchange/tables/dbase_table.h"

#include "interchange/tables/dbase_code_page.h"
#include "interchange/tables/dbase_header.h"
#include "interchange/tables/dbase_memo.h"
#include "interchange/tables/dbase_values.h"
#include "platform/path_resolver.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace vn {

namespace {

QString fieldLabel(const DbaseField& field) { return QStringLiteral("field \"%1\"").arg(field.name); }

class DbaseTable final : public ForeignTable {
public:
    DbaseTable(const QString& path, DbaseHeader header) : m_path(path), m_header(std::move(header)) {
        m_decoder = QStringDecoder(dbaseEncodingName(m_header.languageDriver).constData());
        for (const DbaseField& field : m_header.fields) m_columns.append({field.name, dbaseColumnType(field)});
    }

    bool open(std::unique_ptr<DbaseMemoFile> memo, QString& why) {
        m_memo = std::move(memo);
        m_file.setFileName(m_path);
        if (!m_file.open(QIODevice::ReadOnly) || !m_file.seek(m_header.headerLength)) return why = m_file.errorString(), false;
        return true;
    }

    const QList<ForeignColumn>& columns() const override { return m_columns; }
    qint64 rowCount() const override { return m_header.recordCount; }

    bool nextRow(QStringList& values, ForeignProblem& problem) override {
        QByteArray record(m_header.recordLength, Qt::Uninitialized);
        while (m_next < m_header.recordCount) {
            const qint64 row = ++m_next;
            QString why;
            if (m_file.read(record.data(), record.size()) != record.size()) why = QStringLiteral("the file ends inside it");
            else if (record[0] == '*') continue;
            else if (record[0] != ' ') why = QStringLiteral("its first byte marks it neither kept nor deleted");
            else if (rowValues(record, values, why)) return true;
            problem.message = QStringLiteral("%1: row %2: %3").arg(m_path).arg(row).arg(why);
            m_next = m_header.recordCount;  // a damaged file is not read on
            return false;
        }
        return false;
    }

private:
    bool isNull(const QByteArray& record, const DbaseField& field) const {
        if (field.nullBit < 0) return false;
        const auto flags = static_cast<unsigned char>(record[m_header.nullFlagsOffset + field.nullBit / 8]);
        return (flags >> (field.nullBit % 8)) & 1;
    }

    bool rowValues(const QByteArray& record, QStringList& values, QString& why) {
        values.clear();
        for (const DbaseField& field : m_header.fields) {
            const QByteArrayView bytes = QByteArrayView(record).sliced(field.offset, field.length);
            QString reason;
            const auto text = isNull(record, field)     ? QString()
                              : field.isMemoPointer() ? memoText(field, bytes, reason)
                                                      : dbaseFieldText(field, bytes, m_decoder, reason);
            if (!text) return why = fieldLabel(field) + QStringLiteral(": ") + reason, false;
            values.append(*text);
        }
        return true;
    }

    // Pictures and OLE objects cannot be imported: their column stays empty and unread.
    std::optional<QString> memoText(const DbaseField& field, QByteArrayView bytes, QString& why) {
        if (field.type != 'M') return QString();
        const auto block = dbaseMemoBlock(field, bytes, why);
        if (!block) return std::nullopt;
        if (*block == 0) return QString();
        const auto memo = m_memo->read(*block, why);
        if (!memo) return std::nullopt;
        if (memo->type != DbaseMemoFile::kTextBlock)
            return why = QStringLiteral("memo block %1 of %2 holds no text").arg(*block).arg(m_memo->path()), std::nullopt;
        return QString(m_decoder(memo->bytes));
    }

    QString m_path;
    DbaseHeader m_header;
    QList<ForeignColumn> m_columns;
    QStringDecoder m_decoder;
    QFile m_file;
    std::unique_ptr<DbaseMemoFile> m_memo;
    quint32 m_next = 0;
};

std::optional<DbaseHeader> readHeader(QFile& file, QString& why) {
    const QByteArray fixed = file.read(kDbaseFixedHeader);
    const int length = dbaseHeaderLength(fixed);
    const QByteArray bytes = length > fixed.size() ? fixed + file.read(length - fixed.size()) : fixed;
    return parseDbaseHeader(bytes, file.size(), why);
}

// The memo file beside the table, its name in any case: .fpt for FoxPro, else .dbt.
std::unique_ptr<DbaseMemoFile> openMemoFile(const QString& path, const DbaseHeader& header, QString& why) {
    const bool foxPro = header.version == 0x30 || header.version == 0xF5;
    const QFileInfo table(path);
    const QString name = table.completeBaseName() + (foxPro ? QStringLiteral(".fpt") : QStringLiteral(".dbt"));
    const QString memoPath = resolvePath(table.absolutePath(), name);
    if (!QFileInfo(memoPath).isFile()) return why = QStringLiteral("its memo file %1 is missing").arg(memoPath), nullptr;
    auto memo = std::make_unique<DbaseMemoFile>();
    const auto kind = foxPro ? DbaseMemoFile::Kind::Fpt : header.version == 0x8B ? DbaseMemoFile::Kind::Dbase4 : DbaseMemoFile::Kind::Dbase3;
    if (!memo->open(memoPath, kind, why)) return why = QStringLiteral("memo file %1: %2").arg(memoPath, why), nullptr;
    return memo;
}

}  // namespace

std::unique_ptr<ForeignTable> openDbaseTable(const QString& path, ForeignProblem& problem) {
    QString why;
    QFile file(path);
    auto header = file.open(QIODevice::ReadOnly) ? readHeader(file, why) : (why = file.errorString(), std::nullopt);
    std::unique_ptr<DbaseMemoFile> memo;
    if (header && header->hasTextMemos()) memo = openMemoFile(path, *header, why);
    if (header && (memo || !header->hasTextMemos())) {
        auto table = std::make_unique<DbaseTable>(path, std::move(*header));
        if (table->open(std::move(memo), why)) return table;
    }
    problem.message = QStringLiteral("%1: %2").arg(path, why);
    return nullptr;
}

}  // namespace vn
