// libFuzzer target for the check of the table files a new version delivers (the new layouts in
// Changes, the factory tables in NewTables). An input is a whole file, saved in a temporary folder,
// opened read only and checked for one of the tables those files hold: the first whose name the
// bytes contain, else List. A file the check lets through has its rows copied into the tables of
// a data set kept in memory, over any rows with the same key, in a transaction that is then rolled
// back. A refusal naming the file is expected; anything else (a crash, a sanitizer report, an
// engine error after the check, a broken invariant) is a finding.
#include "store/engine/store_error.h"
#include "store/upgrades/outside_table.h"
#include "store/upgrades/upgrade_markers.h"

#include "fuzz_expect.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/schema/schema.h"
#include "store/text/windows1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;

using fuzz::expect;

// The tables of a data set kept in memory.
Database& tables() {
    static std::shared_ptr<Database>* db = [] {
        auto* made = new std::shared_ptr<Database>(Database::inMemory());
        for (const TableDef& def : schema::allTables()) (*made)->createTable(def);
        return made;
    }();
    return **db;
}

const QString& filePath() {
    static QTemporaryDir* dir = new QTemporaryDir;
    static const QString path = dir->filePath(QStringLiteral("Table.db"));
    return path;
}

QString tableOf(const QByteArray& bytes) {
    QStringList names;
    for (const FactoryTable& f : factoryTables()) names << f.table;
    for (const UpgradeGroup& g : upgradeGroups()) names << g.table;
    // A name in quotes, as a table's statement gives it, before a name within another one's fields.
    for (const QString& name : names)
        if (bytes.contains('"' + name.toLatin1() + '"')) return name;
    for (const QString& name : names)
        if (bytes.contains(name.toLatin1())) return name;
    return QStringLiteral("List");
}

qint64 rowCount(Database& db, const QString& table) {
    RowStream stream(db, table, 1);
    qint64 rows = 0;
    while (stream.next()) ++rows;
    return rows;
}

void check(const QByteArray& bytes) {
    const QString path = filePath();
    {
        QFile file(path);
        expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(), "the input is saved");
    }
    const QString table = tableOf(bytes);
    std::shared_ptr<Database> source;
    try {
        source = openOutsideTable(path, table);
    } catch (const StoreError& e) {
        if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS")) std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(e.message().startsWith(QStringLiteral("The table file %1 cannot be used: ").arg(path)), "a refusal names the file");
        return;
    }
    const qint64 sourceRows = rowCount(*source, table);
    Database& live = tables();
    Transaction transaction(live);
    const TableDef into = live.describe(table);
    copyOutsideRows(*source, table, live, into, true);
    const qint64 copied = rowCount(live, table);
    expect(copied <= sourceRows, "no more rows than the file holds");
    expect(sourceRows == 0 || copied >= 1, "a file with rows copies some");
    RowStream stream(live, table, int(into.fields.size()));
    while (stream.next())
        for (int f = 0; f < into.fields.size(); ++f) {
            const FieldDef& field = into.fields[f];
            expect(isValidUtf8(stream.value(f)), "the tables hold UTF-8");
            if (!field.memo && field.size > 0)
                expect(utf8CharacterCount(stream.value(f)) <= field.size, "every text fits its declared size");
        }
    // The transaction rolls back: the next input meets empty tables.
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(false, "a checked file copies without an engine error");
    }
    return 0;
}
