#include "entry/session/download_processor.h"

#include "lists/records/record_tables.h"
#include "platform/path_resolver.h"
#include "store/access/record_access.h"
#include "store/engine/store_error.h"
#include "store/files/text_file.h"
#include "store/text/case_conversion.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace vn {

namespace {

const QString kWebFolder = QStringLiteral("WebXfer");

// Table digits 2 to 8: Head, then the six page tables.
int slotOfDigit(QChar digit) {
    if (digit == '2') return kHeadSlot;
    if (digit >= '3' && digit <= '8') return pageSlot(digit.unicode() - '2');
    return 0;
}

QStringList fieldsOf(QString line) {
    while (line.startsWith(' ')) line.remove(0, 1);
    if (!line.endsWith('~')) line += '~';
    QStringList fields = line.split('~');
    fields.removeLast();  // what follows the closing "~"
    return fields;
}

// Applies the lines in order, remembering per line which record a following memo belongs to.
class DownloadRun {
public:
    DownloadRun(RecordAccess& access, DownloadResult& result) : m_access(access), m_result(result) {}

    void line(const QStringList& fields) {
        const QString code = fields.value(0);
        if (code.isEmpty()) return;
        const int slot = slotOfDigit(code[0]);
        if (slot == 0) {
            ++m_result.skippedLines;
            return;
        }
        const bool record = code.size() > 1 && (code[1] == 'S' || code[1] == 's');
        if (record || slot != m_slot) writeMemo();
        m_slot = slot;
        if (record) {
            recordLine(slot, fields);
        } else {
            m_memo += fields.value(1) + '\n';
            m_hasMemo = true;
        }
    }

    // The memo collected last goes to the record line before it.
    void writeMemo() {
        if (!m_hasMemo) return;
        const QString target = m_targets.value(m_slot);
        if (m_slot == kHeadSlot || target.isEmpty()) {
            ++m_result.skippedLines;  // Head has no memo; memo lines without record line belong nowhere
        } else if (m_access.FindRecord(m_slot, target)) {
            m_access.SetFieldText(m_slot, kMemoColumn, m_memo);
            ++m_result.memos;
        }
        m_memo.clear();
        m_hasMemo = false;
    }

private:
    void recordLine(int slot, const QStringList& fields) {
        const QString key = fields.value(1);
        m_targets[slot] = key;
        if (key.isEmpty()) return;
        if (m_access.FindRecord(slot, key)) {
            ++m_result.kept;
            return;
        }
        m_access.EnsureRecord(slot, key);
        const int lastField = m_access.GetFieldCount(slot) - 1;
        for (int i = 2; i < fields.size() && i - 1 <= lastField; ++i) m_access.SetFieldText(slot, i - 1, fields[i]);
        m_access.PostRecord(slot);
        ++m_result.created;
    }

    RecordAccess& m_access;
    DownloadResult& m_result;
    int m_slot = 0;
    QHash<int, QString> m_targets;  // per table: the key of its last record line
    QString m_memo;
    bool m_hasMemo = false;
};

}  // namespace

QString webTransferFolder(const QString& base) { return resolveFolder(base, kWebFolder); }

QString downloadFilePath(const QString& base, const QString& stateCode, const QString& countyCode) {
    const QString fileName = LowerCaseText(stateCode + countyCode + QStringLiteral("down.vnq"));
    return resolvePath(webTransferFolder(base), fileName);
}

DownloadResult ProcessDownload(RecordAccess& access, const QString& base, const QString& stateCode,
                               const QString& countyCode, const DownloadStep& step) {
    DownloadResult result;
    result.path = downloadFilePath(base, stateCode, countyCode);
    if (!QFile::exists(result.path)) {
        result.message = QStringLiteral("Notice!  All data files downloaded from Varnedo Central [") + result.path +
                         QStringLiteral("] have been processed.");
        return result;
    }
    result.fileFound = true;
    QStringList lines = readTextFile(result.path).split('\n');
    if (lines.last().isEmpty()) lines.removeLast();  // after the last line's end
    const qint64 total = lines.size();
    Transaction tx(access.database(kHeadSlot));
    DownloadRun run(access, result);
    for (qsizetype n = 0; n < total; ++n) {
        QString line = lines[n];
        if (line.endsWith('\r')) line.chop(1);
        if (!line.trimmed().isEmpty()) {
            try {
                run.line(fieldsOf(line));
            } catch (const StoreError& e) {
                throw StoreError(QStringLiteral("%1, line %2: %3").arg(result.path).arg(n + 1).arg(e.message()));
            }
        }
        if (step && !step(n + 1, total)) {
            DownloadResult cancelled;
            cancelled.fileFound = cancelled.cancelled = true;
            cancelled.path = result.path;
            return cancelled;  // the transaction rolls back
        }
    }
    run.writeMemo();
    tx.commit();
    if (!QFile::remove(result.path)) throw StoreError(QStringLiteral("Cannot delete the processed file %1.").arg(result.path));
    return result;
}

QString downloadSummary(const DownloadResult& result) {
    if (result.cancelled) return QStringLiteral("Processing cancelled: nothing was changed, the file %1 is kept.").arg(result.path);
    return QStringLiteral("Downloaded data processed: %1 new rows, %2 rows already present, %3 memos, %4 lines skipped.")
        .arg(result.created)
        .arg(result.kept)
        .arg(result.memos)
        .arg(result.skippedLines);
}

}  // namespace vn
