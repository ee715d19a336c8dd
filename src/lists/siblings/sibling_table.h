#pragma once

#include "lists/siblings/sibling_sources.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace vn {

class Database;
class Table;

// A record of a source as the selection views list it: shown as key + "  " + text.
struct SiblingEntry {
    QString key;
    QString text;
    QString shown() const { return key + QStringLiteral("  ") + text; }
};

enum class SiblingOrder { ById, ByName };

// One source table of a sibling product, opened read only: nothing is ever written, journalled or
// changed in the sibling's folder. The file comes from outside: it is checked when opened (an
// intact table file holding the source's table with its key and the fields that name a record);
// any other field a link reads and the file lacks reads as empty.
class SiblingTable {
public:
    // The table, or null with problem set naming the file.
    [[nodiscard]] static std::unique_ptr<SiblingTable> open(const QString& file, const SiblingSource& source,
                                                            QString& problem);
    ~SiblingTable();
    SiblingTable(const SiblingTable&) = delete;
    SiblingTable& operator=(const SiblingTable&) = delete;

    const SiblingSource& source() const { return m_source; }
    const QString& file() const { return m_file; }

    // The fields of the file as it is, 0 its key.
    int fieldCount() const;
    QString fieldName(int field) const;
    int fieldSize(int field) const;

    // Every record: by id in key order, by name by text then key. No limit.
    QList<SiblingEntry> list(SiblingOrder order);

    // The record's fields by number (0 its key; fields the file lacks empty up to the highest the
    // source's header map reads); nothing when the key is not there.
    std::optional<QStringList> record(const QString& key);
    // One field of a record; nothing when the record is not there, empty for a field it lacks.
    std::optional<QString> field(const QString& key, int field);

private:
    SiblingTable(const QString& file, const SiblingSource& source, std::shared_ptr<Database> db);
    QString textOf(const QStringList& fields) const;

    QString m_file;
    const SiblingSource& m_source;
    std::shared_ptr<Database> m_db;
    std::unique_ptr<Table> m_table;
};

}  // namespace vn
