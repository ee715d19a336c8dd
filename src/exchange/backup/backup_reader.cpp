#include "exchange/backup/backup_reader.h"

#include "exchange/codec/file_encoding.h"
#include "exchange/codec/transfer_fields.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/database.h"

namespace vn {

namespace {

constexpr int kFirstSlot = TableCatalogue::kSystemSlot;
constexpr int kLastSlot = TableCatalogue::kLastDataSlot;

bool restorableSlot(int slot) { return slot >= kFirstSlot && slot <= kLastSlot; }

QByteArrayView withoutBom(QByteArrayView bytes) {
    return bytes.startsWith(QByteArrayView(kUtf8Bom)) ? bytes.sliced(3) : bytes;
}

}  // namespace

BackupLayouts::BackupLayouts(Database& db) {
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        m_layouts[slot] = db.describe(TableCatalogue::tableName(slot));
        m_fieldCounts[slot] = transferFieldCount(m_layouts[slot]);
    }
}

const TableDef* BackupLayouts::layout(int slot) const { return restorableSlot(slot) ? &m_layouts[slot] : nullptr; }

int BackupLayouts::fieldCount(int slot) const { return restorableSlot(slot) ? m_fieldCounts[slot] : 0; }

BackupReader::BackupReader(QByteArrayView bytes, const BackupLayouts& layouts)
    : m_layouts(layouts), m_lines(withoutBom(bytes)), m_bom(bytes.startsWith(QByteArrayView(kUtf8Bom))) {}

bool BackupReader::refuse(const QString& reason) {
    if (m_refusal.isEmpty()) m_refusal = reason;
    return false;
}

bool BackupReader::nextLine(QByteArrayView& line, bool skipEmpty) {
    if (m_hasPending) {
        m_hasPending = false;
        line = m_pending;
        return true;
    }
    while (m_lines.next(line)) {
        if (m_lines.unterminated())
            return refuse(QStringLiteral("line %1 has no line end: the file was cut short").arg(m_lines.number()));
        if (!skipEmpty || !line.isEmpty()) return true;
    }
    return false;
}

bool BackupReader::header(QByteArrayView& line) {
    if (!nextLine(line, false)) return refuse(QStringLiteral("line 1: the file is empty"));
    return true;
}

bool BackupReader::nextTable(int& slot, QByteArrayView& title, QString& problem) {
    QByteArrayView line;
    if (!nextLine(line, true)) return false;
    if (!line.startsWith(' ')) {
        m_pending = line;
        m_hasPending = true;
        return false;
    }
    slot = line.size() > 1 ? static_cast<unsigned char>(line[1]) - 32 : 0;
    title = line.size() > 2 ? line.sliced(2) : QByteArrayView();
    problem.clear();
    if (!restorableSlot(slot)) {
        problem = QStringLiteral("the table number %1 is not one of %2 to %3").arg(slot).arg(kFirstSlot).arg(kLastSlot);
    } else if (!m_slots.contains(slot)) {
        m_slots << slot;
        m_titles << title;
    }
    return true;
}

void BackupReader::readMemoLines(BackupRecord& record) {
    qint64 wanted = 0;
    for (const auto& memo : record.record.memos) wanted += memo.second;
    for (qint64 i = 0; i < wanted; ++i) {
        QByteArrayView line;
        if (!m_lines.next(line)) {
            refuse(QStringLiteral("line %1: its memo blocks need %2 lines, and the file ends after %3: the file was cut short")
                       .arg(record.line)
                       .arg(wanted)
                       .arg(i));
            return;
        }
        if (m_lines.unterminated()) {
            refuse(QStringLiteral("line %1 has no line end: the file was cut short").arg(m_lines.number()));
            return;
        }
        record.memoLines.push_back(line);
    }
}

bool BackupReader::nextRecord(BackupRecord& record) {
    QByteArrayView line;
    if (!nextLine(line, true)) return false;
    record.line = m_lines.number();
    record.text = line;
    record.slot = static_cast<unsigned char>(line[0]) - 32;
    record.memoLines.clear();
    record.record = {};
    record.problem.clear();
    if (record.slot == 0) {
        record.problem = QStringLiteral("a table line stands after the records");
    } else if (!restorableSlot(record.slot)) {
        record.problem = QStringLiteral("the table number %1 is not one of %2 to %3").arg(record.slot).arg(kFirstSlot).arg(kLastSlot);
    } else {
        record.problem = decodeRecordLine(line, m_layouts.fieldCount(record.slot), record.record);
        // Its memo lines are passed over even when the line is bad, so the next record is found.
        readMemoLines(record);
        if (!m_refusal.isEmpty()) return false;
        if (record.problem.isEmpty() && !m_slots.contains(record.slot))
            record.problem = QStringLiteral("its table is not among the tables the file lists");
    }
    return true;
}

}  // namespace vn
