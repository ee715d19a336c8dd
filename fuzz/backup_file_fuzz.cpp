// libFuzzer target for the reader of backup files. An input is a whole file; it is checked
// against the tables of a data set kept in memory and, when the check lets it through, restored
// into them in a transaction that is then rolled back. A refusal or bad lines are expected;
// anything else (a crash, a sanitizer report, an exception, a broken invariant) is a finding.
#include "exchange/backup/backup_apply.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_reader.h"
#include "exchange/codec/file_encoding.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/engine/store_error.h"
#include "store/schema/schema.h"
#include "store/text/windows1252.h"

#include "fuzz_expect.h"

#include <cstdint>
#include <cstdio>

namespace {

using namespace vn;

using fuzz::expect;

struct Tables {
    Tables() : db(Database::inMemory()) {
        for (const TableDef& def : schema::allTables()) db->createTable(def);
        layouts = std::make_unique<BackupLayouts>(*db);
    }
    std::shared_ptr<Database> db;
    std::unique_ptr<BackupLayouts> layouts;
};

Tables& tables() {
    static Tables t;
    return t;
}

// What a restore wrote: keys that are not empty, texts within their declared sizes.
qint64 checkRestoredRows(const BackupCheck& check) {
    qint64 rows = 0;
    for (int slot : check.tableSlots) {
        const TableDef& layout = *tables().layouts->layout(slot);
        RowStream stream(*tables().db, TableCatalogue::tableName(slot), int(layout.fields.size()));
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Tables& t = tables();
    try {
        const BackupCheck check = checkBackup(bytes, *t.layouts);
        if (!check.refusal.isEmpty()) return 0;
        for (const BadLine& bad : check.badLines) expect(check.badLineNumbers.contains(bad.line), "every bad line is known by number");
        expect(check.badLineNumbers.size() <= check.lines, "bad lines are lines of the file");
        Transaction transaction(*t.db);
        expect(applyBackup(bytes, check, *t.db, *t.layouts), "a restore without a gauge is never cancelled");
        expect(checkRestoredRows(check) <= check.records, "no more rows than good record lines");
        // The transaction rolls back: the next input meets empty tables.
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(false, "a checked file restores without an engine error");
    }
    return 0;
}
