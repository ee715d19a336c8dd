#include "exchange/backup/backup_writer.h"

#include "exchange/backup/backup_tables.h"
#include "exchange/backup/record_line.h"
#include "exchange/codec/file_encoding.h"
#include "exchange/codec/transfer_fields.h"
#include "platform/path_resolver.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/file_commit.h"
#include "store/engine/row_stream.h"
#include "store/engine/store_error.h"
#include "store/program_version.h"
#include "store/settings/table_date_time.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <vector>

namespace vn {

namespace {

constexpr qsizetype kWriteChunk = 1 << 20;
constexpr int kDateField = 2;
constexpr char kBackupDateKey[] = "BackUpDate";

// The file could not be written; the reason is the system's.
struct TargetFailure {
    QString reason;
};

// Windows-1252 cannot hold a text: the whole file is written again in UTF-8.
struct NeedsUtf8 {};

// A value the file cannot carry; the message names it.
struct RefusedValue {
    QString message;
};

// One table's walk: its rows with the fields the file carries.
struct TableWalk {
    int slot;
    int fieldCount;
    std::vector<char> memoBlocks;  // by field
};

class BackupFileWriter {
public:
    BackupFileWriter(RecordAccess& access, const BackupRequest& request, const WorkProgress& progress)
        : m_access(access), m_request(request), m_progress(progress),
          m_backupDate(formatTableDateTime(request.now).toUtf8()) {}

    // False when cancelled.
    bool write(QFile& file, FileEncoding encoding) {
        m_file = &file;
        m_encoder = TextEncoder(encoding);
        m_buffer.clear();
        m_done = 0;
        if (!file.resize(0) || !file.seek(0)) throw TargetFailure{file.errorString()};
        if (encoding == FileEncoding::Utf8) m_buffer += kUtf8Bom;
        text(backupHeaderLine(m_request.source, QString::fromLatin1(kProgramVersion), m_request.now));
        m_buffer += "\r\n";
        for (int slot : m_request.tableSlots) {
            m_buffer += ' ';
            m_buffer += char(slot + 32);
            text(QString::fromLatin1(backupTableOfSlot(slot)->title));
            m_buffer += "\r\n";
        }
        for (int slot : m_request.tableSlots)
            if (!writeTable(slot)) return false;
        flush(0);
        if (!m_file->flush()) throw TargetFailure{m_file->errorString()};
        if (!m_encoder.readsBackAsWritten()) throw NeedsUtf8{};
        return true;
    }

    qint64 total() {
        if (m_total < 0) {
            m_total = 0;
            for (int slot : m_request.tableSlots) m_total += m_access.RecordCount(slot);
        }
        return m_total;
    }

private:
    void text(const QString& value) {
        if (!m_encoder.encode(value, m_buffer)) throw NeedsUtf8{};
    }

    void flush(qsizetype atLeast) {
        if (m_buffer.size() < atLeast) return;
        if (m_file->write(m_buffer) != m_buffer.size()) throw TargetFailure{m_file->errorString()};
        m_buffer.clear();
    }

    TableWalk walkOf(int slot) {
        const TableDef& layout = m_access.catalogue().table(slot).layout();
        TableWalk walk{slot, transferFieldCount(layout), {}};
        for (int field = 0; field < walk.fieldCount; ++field) walk.memoBlocks.push_back(isMemoBlockField(slot, layout, field));
        return walk;
    }

    bool writeTable(int slot) {
        const TableWalk walk = walkOf(slot);
        RowStream rows(m_access.database(slot), TableCatalogue::tableName(slot), walk.fieldCount);
        while (rows.next()) {
            const QByteArrayView key = rows.value(0);
            if (!key.isEmpty()) writeRecord(walk, rows, key);
            if (!m_progress.advance(++m_done, total())) return false;
            flush(kWriteChunk);
        }
        return true;
    }

    void writeRecord(const TableWalk& walk, const RowStream& rows, QByteArrayView key) {
        QByteArrayView bytes;
        if (!m_encoder.inFile(key, m_scratch, bytes)) throw NeedsUtf8{};
        const bool backupDateRow = walk.slot == kParmSlot && key == QByteArrayView(kBackupDateKey);
        try {
            m_line.begin(m_buffer, walk.slot, bytes);
            for (int field = 1; field < walk.fieldCount; ++field) {
                const QByteArrayView value = backupDateRow && field == kDateField ? QByteArrayView(m_backupDate) : rows.value(field);
                if (value.isEmpty()) continue;
                if (!m_encoder.inFile(value, m_scratch, bytes)) throw NeedsUtf8{};
                m_line.add(field, bytes, walk.memoBlocks[field] != 0);
            }
        } catch (const UnwritableValue& e) {
            const TableDef& layout = m_access.catalogue().table(walk.slot).layout();
            throw RefusedValue{QStringLiteral("The backup cannot carry field %1 (%2) of the record \"%3\" in table %4 [%5]: %6. "
                                              "No backup file was written.")
                                   .arg(e.field)
                                   .arg(layout.fields[e.field].name, QString::fromUtf8(key), TableCatalogue::description(walk.slot),
                                        TableCatalogue::shortName(walk.slot), e.reason)};
        }
        m_line.finish();
    }

    RecordAccess& m_access;
    const BackupRequest& m_request;
    const WorkProgress& m_progress;
    QByteArray m_backupDate;
    QFile* m_file = nullptr;
    TextEncoder m_encoder{FileEncoding::Windows1252};
    RecordLineEncoder m_line;
    QByteArray m_buffer;
    QByteArray m_scratch;
    qint64 m_done = 0;
    qint64 m_total = -1;
};

// Written once in Windows-1252, and again in UTF-8 when that cannot hold the texts.
bool writeEitherEncoding(BackupFileWriter& writer, QFile& file) {
    try {
        return writer.write(file, FileEncoding::Windows1252);
    } catch (const NeedsUtf8&) {
        return writer.write(file, FileEncoding::Utf8);
    }
}

void recordBackupDate(RecordAccess& access, const QDateTime& now) {
    if (!access.FindRecord(kParmSlot, QString::fromLatin1(kBackupDateKey))) return;
    access.SetFieldText(kParmSlot, kDateField, formatTableDateTime(now));
}

}  // namespace

QString backupFileIn(const QString& folder) { return resolvePath(folder, QString::fromLatin1(kBackupFileName)); }

QString copyBackupFile(const QString& file, const QString& folder) {
    QFile source(file);
    QTemporaryFile temp(QDir(folder).filePath(QString::fromLatin1(kBackupFileName) + QStringLiteral(".XXXXXX")));
    if (!source.open(QIODevice::ReadOnly)) return source.errorString();
    if (!temp.open()) return temp.errorString();
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kWriteChunk);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) return source.errorString();
        if (temp.write(chunk) != chunk.size()) return temp.errorString();
    }
    if (!temp.flush()) return temp.errorString();
    temp.close();
    temp.setAutoRemove(false);
    try {
        commitFile(temp.fileName(), backupFileIn(folder));
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

QString backupTargetError(const QString& path, const QString& reason) {
    return QStringLiteral("Backup/Share Drive/Folder not found!\r\r%1: %2").arg(path, reason);
}

WorkEnd WriteBackup(RecordAccess& access, Prompter& prompter, const QString& file, const BackupRequest& request,
                    const WorkProgress& progress) {
    BackupFileWriter writer(access, request, progress);
    QTemporaryFile temp(file + QStringLiteral(".XXXXXX"));
    try {
        if (!temp.open()) throw TargetFailure{temp.errorString()};
        if (!writeEitherEncoding(writer, temp)) return WorkEnd::Cancelled;
    } catch (const TargetFailure& failure) {
        prompter.error(backupTargetError(file, failure.reason));
        return WorkEnd::Failed;
    } catch (const RefusedValue& refused) {
        prompter.error(refused.message);
        return WorkEnd::Failed;
    } catch (const StoreError& e) {
        prompter.error(QStringLiteral("The backup %1 was not written.\r\r%2").arg(file, e.message()));
        return WorkEnd::Failed;
    }
    temp.close();
    temp.setAutoRemove(false);
    try {
        commitFile(temp.fileName(), file);
    } catch (const StoreError& e) {
        prompter.error(QStringLiteral("Backup/Share Drive/Folder not found!\r\r") + e.message());
        return WorkEnd::Failed;
    }
    recordBackupDate(access, request.now);
    return WorkEnd::Done;
}

}  // namespace vn
