#pragma once

#include "exchange/backup/record_line.h"
#include "exchange/codec/file_lines.h"
#include "store/engine/table_def.h"

#include <QList>
#include <array>
#include <vector>

namespace vn {

class Database;

// The layouts a backup is read against: the System table and the data tables (slots 2 to 28)
// as the database holds them.
class BackupLayouts {
public:
    BackupLayouts() = default;  // no tables: for reading the first lines only
    explicit BackupLayouts(Database& db);
    const TableDef* layout(int slot) const;  // nullptr outside 2 to 28
    int fieldCount(int slot) const;          // the fields the file carries; 0 outside 2 to 28

private:
    std::array<TableDef, 29> m_layouts;
    std::array<int, 29> m_fieldCounts{};
};

// A record of the file: its line, what it holds, and the lines of its memo blocks.
struct BackupRecord {
    qint64 line = 0;
    QByteArrayView text;
    int slot = 0;
    RecordLine record;
    std::vector<QByteArrayView> memoLines;  // the blocks' lines in block order
    QString problem;                        // why it cannot be restored; empty when it can
};

// Walks a backup file's bytes: the first line, the table lines after it, then the records.
// Only the structure is judged here (the values are the caller's); a file cut short ends the
// walk with a refusal.
class BackupReader {
public:
    BackupReader(QByteArrayView bytes, const BackupLayouts& layouts);

    bool hasBom() const { return m_bom; }
    // The first line; false (with a refusal) for an empty file.
    bool header(QByteArrayView& line);
    // The next table line of the block after the first line; false after the block.
    bool nextTable(int& slot, QByteArrayView& title, QString& problem);
    // The next record line; false at the end, or with a refusal when the file was cut short.
    bool nextRecord(BackupRecord& record);
    const QList<int>& tableSlots() const { return m_slots; }
    const QList<QByteArrayView>& titles() const { return m_titles; }  // by slot, the first line naming it
    const QString& refusal() const { return m_refusal; }
    qint64 line() const { return m_lines.number(); }

private:
    bool nextLine(QByteArrayView& line, bool skipEmpty);
    bool refuse(const QString& reason);
    void readMemoLines(BackupRecord& record);

    const BackupLayouts& m_layouts;
    FileLines m_lines;
    bool m_bom = false;
    QByteArrayView m_pending;  // a line read ahead
    bool m_hasPending = false;
    QList<int> m_slots;
    QList<QByteArrayView> m_titles;
    QString m_refusal;
};

}  // namespace vn
