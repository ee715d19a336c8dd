#pragma once

#include "exchange/fcf/fcf_format.h"
#include "store/engine/table_def.h"

#include <QStringList>
#include <array>
#include <vector>

namespace vn {

class Database;

// What loading a form control file wrote, and what the downloaded forms view shows.
struct FcfApplied {
    FcfName name;          // "List...", "State...", "County..."
    QString agency;        // List field 16, "Agency Name or Contact..."
    QString description;   // List field 15, "List Description..."
    QString instructions;  // List field 14, "Special Instructions..."
    qint64 rows = 0;       // rows written
    qint64 cutValues = 0;  // values longer than their fields, cut to fit
    QStringList cutExamples;  // the first of them: 'Fdis "abc101" field 4 (Caption)'
};

// One form control file, read, checked and staged whole when it is opened; nothing changes
// until apply(). Between the two the caller asks whether to replace a list already present.
class FcfReader {
public:
    FcfReader(Database& db, const QString& path);

    const QString& path() const { return m_path; }
    // Why nothing of the file can be loaded: names the file and, for a fault in it, the byte
    // offset. Empty when it can be loaded.
    const QString& refusal() const { return m_refusal; }
    const FcfName& name() const { return m_name; }
    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    // A list with the file's code, in any letter case, is in the List table now.
    [[nodiscard]] bool alreadyPresent() const;

    // Writes every staged row whole, in one transaction: each field before "Delta" takes the
    // file's text, empty where the file leaves it out, cut to its declared size. Nothing for a
    // refused file. Throws StoreError (then nothing was written).
    FcfApplied apply();

private:
    struct Row {
        int tableCode = 0;
        QStringList fields;  // 0 to the one before "Delta"
    };

    void read();
    bool refuse(qsizetype offset, const QString& reason);

    Database& m_db;
    QString m_path;
    FcfName m_name;
    QString m_refusal;
    std::array<TableDef, kFcfTableCount> m_layouts;  // by table code - 1
    std::vector<Row> m_rows;
};

}  // namespace vn
