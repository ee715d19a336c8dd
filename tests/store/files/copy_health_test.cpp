// What a look at one copy of the tables finds, for every way its columns can differ from the
// layout the program reads by position.
#include "store/catalogue/table_catalogue.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"
#include "store/files/copy_health.h"
#include "store/files/installation.h"
#include "store/schema/schema.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

using State = CopyHealth::State;

// Pag1 rebuilt with the given columns (its key first), as another program might leave it.
QString rebuildPag1(const QStringList& columns) {
    QStringList defs;
    for (const QString& c : columns) defs << quotedName(c) + (defs.isEmpty() ? " TEXT PRIMARY KEY" : " TEXT");
    return "DROP TABLE Pag1; CREATE TABLE Pag1 (" + defs.join(", ") + ") WITHOUT ROWID";
}

QStringList pag1Columns() {
    QStringList names;
    for (const FieldDef& f : schema::table("Pag1").fields) names << f.name;
    return names;
}

struct LayoutCase {
    const char* name;
    QString sql;  // applied to a new database; empty for none
    State state;
    const char* says;
};

TEST(CopyHealth, ComparesEveryTablesColumnsWithTheLayout) {
    QStringList dropped = pag1Columns(), extra = pag1Columns(), swapped = pag1Columns();
    dropped.removeAt(5);
    extra << "Stray";
    swapped.swapItemsAt(3, 4);
    const LayoutCase cases[] = {
        {"fits", "", State::Good, ""},
        {"missing table", "DROP TABLE Pag3", State::Incomplete, "the table Pag3 is missing"},
        {"dropped column", rebuildPag1(dropped), State::Damaged, "lacks the column"},
        {"extra column", rebuildPag1(extra), State::Damaged, "has the column Stray"},
        {"columns swapped", rebuildPag1(swapped), State::Damaged, "in another order"},
        {"older layout", rebuildPag1(pag1Columns().mid(0, 10)), State::OlderLayout, "older layout"},
    };
    for (const LayoutCase& c : cases) {
        test::TempFolder tmp;
        const QString path = tmp.file("Varnedo1.db");
        createDatabase(path);
        if (!c.sql.isEmpty())
            for (const QString& sql : c.sql.split("; ")) Database::open(path)->execute(sql);
        const CopyHealth health = inspectCopy(path, Database::Check::Quick, Database::Access::ReadOnly);
        EXPECT_EQ(health.state, c.state) << c.name;
        EXPECT_TRUE(health.detail.contains(c.says)) << c.name << ": " << health.detail.toStdString();
    }
}

TEST(CopyHealth, FilesThatAreNoDatabaseAreDamagedAndLeftUntouched) {
    test::TempFolder tmp;
    struct FileCase {
        const char* name;
        QByteArray bytes;
        const char* says;
    };
    const FileCase cases[] = {
        {"empty", "", "it is empty"},
        {"text", QByteArray(4096, 'x'), "not a database file"},
        {"header only", QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0'), ""},
    };
    for (const FileCase& c : cases) {
        const QString path = tmp.file(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        for (auto access : {Database::Access::Shared, Database::Access::ReadOnly}) {
            const CopyHealth health = inspectCopy(path, Database::Check::Quick, access);
            EXPECT_EQ(health.state, State::Damaged) << c.name;
            EXPECT_TRUE(health.detail.contains(c.says)) << c.name << ": " << health.detail.toStdString();
            QFile again(path);
            ASSERT_TRUE(again.open(QIODevice::ReadOnly));
            EXPECT_EQ(again.readAll(), c.bytes) << c.name;
        }
    }
    QDir().mkpath(tmp.file("folder"));
    EXPECT_EQ(inspectCopy(tmp.file("folder"), Database::Check::Quick, Database::Access::Shared).detail,
              "it is a folder, not a table file");
    EXPECT_EQ(inspectCopy(tmp.file("none"), Database::Check::Quick, Database::Access::Shared).state, State::Absent);
}

TEST(CopyHealth, TheCatalogueNeverOpensATableWhoseColumnsDiffer) {
    test::TempFolder tmp;
    createDatabase(tmp.file("Varnedo1.db"));
    QStringList dropped = pag1Columns();
    dropped.removeAt(5);
    for (const QString& sql : rebuildPag1(dropped).split("; ")) Database::open(tmp.file("Varnedo1.db"))->execute(sql);
    TableCatalogue catalogue;
    try {
        catalogue.ReopenDataTables(tmp.path(), {});
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(tmp.file("Varnedo1.db")) && e.message().contains("Pag1 lacks the column"))
            << e.message().toStdString();
    }
    EXPECT_FALSE(catalogue.isOpen(14));
}

}  // namespace
