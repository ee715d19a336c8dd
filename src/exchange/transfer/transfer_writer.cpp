#include "exchange/transfer/transfer_writer.h"

#include "exchange/codec/transfer_fields.h"
#include "exchange/transfer/transfer_header.h"
#include "exchange/transfer/transfer_line.h"
#include "store/access/record_access.h"
#include "store/engine/row_stream.h"

#include <QIODevice>
#include <vector>

namespace vn {

namespace {

constexpr qsizetype kWriteChunk = 1 << 20;
constexpr qint64 kProgressEvery = 1024;

class Writer {
public:
    Writer(RecordAccess& access, const TransferRequest& request, QIODevice& out, const QSet<QByteArray>& excluded,
           const WorkProgress& progress)
        : m_access(access), m_request(request), m_out(out), m_excluded(excluded), m_progress(progress) {
        for (const QString& code : request.listCodes) m_codes << foldedListCode(code.toUtf8());
        if (request.keys)
            for (const QString& key : *request.keys) m_keys.insert(key.toUtf8());
    }

    TransferPass run() {
        const TransferFormat& format = transferFormat(m_request.kind);
        m_buffer = transferHeaderLines(m_request.kind, m_request.version, m_request.destinations, m_request.listCodes);
        // Counting every row costs a walk of each table: only for a gauge.
        if (m_progress.step)
            for (int slot : format.tableSlots) m_total += m_access.RecordCount(slot);
        bool firstTable = true;
        for (int slot : format.tableSlots) {
            if (!writeTable(slot, firstTable) || !m_pass.refusal.isEmpty()) return m_pass;
            firstTable = false;
        }
        flush(0);
        return m_pass;
    }

private:
    bool wanted(QByteArrayView key) {
        if (key.isEmpty()) return false;
        const QByteArray raw = QByteArray::fromRawData(key.data(), key.size());
        if (m_request.keys) return m_keys.contains(raw) && !m_excluded.contains(raw) && !m_pass.leftOut.contains(raw);
        return hasListCode(key) && !m_excluded.contains(raw) && !m_pass.leftOut.contains(raw);
    }

    bool hasListCode(QByteArrayView key) const {
        for (const QByteArray& code : m_codes)
            if (startsWithListCode(key, code)) return true;
        return false;
    }

    bool writeTable(int slot, bool firstTable) {
        const TableDef& layout = m_access.catalogue().table(slot).layout();
        const int fieldCount = transferFieldCount(layout);
        RowStream rows(m_access.database(slot), TableCatalogue::tableName(slot), fieldCount);
        auto fields = std::vector<QByteArrayView>(std::size_t(fieldCount));
        while (rows.next()) {
            const QByteArrayView key = rows.value(0);
            if (wanted(key)) {
                for (int f = 0; f < fieldCount; ++f) fields[std::size_t(f)] = rows.value(f);
                const int refused = appendRecordLine(slot, fields, m_buffer);
                if (refused < 0) ++m_pass.records;
                else if (!refuse(slot, layout, key, refused, firstTable)) return true;
            }
            if (++m_done % kProgressEvery == 0 && !m_progress.advance(m_done, m_total)) {
                m_pass.cancelled = true;
                return false;
            }
            flush(kWriteChunk);
        }
        return true;
    }

    // False when the whole file is refused.
    bool refuse(int slot, const TableDef& layout, QByteArrayView key, int field, bool firstTable) {
        if (m_request.kind == TransferKind::Forms) {
            m_pass.refusal = QStringLiteral("The form exchange file cannot carry the \"~\" in field %1 (%2) of the record \"%3\" "
                                            "in table %4 [%5]. Remove it there and build the file again; no file was written.")
                                 .arg(field)
                                 .arg(layout.fields[field].name, QString::fromUtf8(key), TableCatalogue::description(slot),
                                      TableCatalogue::shortName(slot));
            return false;
        }
        m_pass.leftOut.insert(key.toByteArray());
        // Lines of this record in the tables before may already be written.
        if (!firstTable) m_pass.writeAgain = true;
        return true;
    }

    void flush(qsizetype atLeast) {
        if (m_buffer.size() < atLeast) return;
        m_out.write(m_buffer);
        m_buffer.resize(0);  // keeps its capacity
    }

    RecordAccess& m_access;
    const TransferRequest& m_request;
    QIODevice& m_out;
    const QSet<QByteArray>& m_excluded;
    const WorkProgress& m_progress;
    QList<QByteArray> m_codes;  // folded
    QSet<QByteArray> m_keys;
    QByteArray m_buffer;
    TransferPass m_pass;
    qint64 m_done = 0;
    qint64 m_total = 0;
};

}  // namespace

TransferPass writeTransfer(RecordAccess& access, const TransferRequest& request, QIODevice& out,
                           const QSet<QByteArray>& excluded, const WorkProgress& progress) {
    return Writer(access, request, out, excluded, progress).run();
}

}  // namespace vn
