#pragma once

#include "exchange/backup/backup_reader.h"
#include "fuzz_expect.h"
#include "platform/silent_prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/schema/schema.h"
#include "store/text/windows1252.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace vn::fuzz {

// The tables of a data set kept in memory, for readers that write into them.
struct Tables {
    Tables() : db(Database::inMemory()) {
        for (const TableDef& def : schema::allTables()) db->createTable(def);
        layouts = std::make_unique<BackupLayouts>(*db);
    }
    std::shared_ptr<Database> db;
    std::unique_ptr<BackupLayouts> layouts;
};

using vn::SilentPrompter;

// A data set in a temporary folder with every table, the given slots open for record access.
struct FolderDataSet {
    explicit FolderDataSet(const QList<int>& openSlots) {
        const QString path = QDir(base.path()).filePath("Varnedo1.db");
        auto db = Database::create(path);
        for (const TableDef& def : schema::allTables()) db->createTable(def);
        db.reset();
        for (int slot : openSlots) catalogue.open(slot, {path, TableCatalogue::tableName(slot)});
    }
    QTemporaryDir base;
    SilentPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
};

// What a reader wrote into the tables: keys that are not empty, UTF-8 texts within their
// declared sizes. The number of rows.
inline qint64 expectRowsFit(Database& db, const BackupLayouts& layouts, const QList<int>& tableSlots) {
    qint64 rows = 0;
    for (int slot : tableSlots) {
        const TableDef& layout = *layouts.layout(slot);
        RowStream stream(db, TableCatalogue::tableName(slot), int(layout.fields.size()));
        while (stream.next()) {
            ++rows;
            expect(!stream.value(0).isEmpty(), "no row has an empty key");
            for (int f = 0; f < layout.fields.size(); ++f) {
                const FieldDef& field = layout.fields[f];
                expect(isValidUtf8(stream.value(f)), "the tables hold UTF-8");
                if (!field.memo && field.size > 0)
                    expect(utf8CharacterCount(stream.value(f)) <= field.size, "every text fits its declared size");
            }
        }
    }
    return rows;
}

}  // namespace vn::fuzz
