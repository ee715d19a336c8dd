#include "store/engine/database.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"
#include "store/files/installation.h"
#include "store/schema/schema.h"
#include "store/upgrades/factory_tables.h"
#include "store/upgrades/table_upgrade.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vn {
namespace {

using Values = QList<std::pair<QString, QString>>;  // field name, value

void put(const std::shared_ptr<Database>& db, const QString& table, const QString& key, const Values& values) {
    Table t(db, table);
    if (!t.findKey(key)) t.insert(key);
    for (const auto& [field, value] : values) {
        // Straight SQL: a live table of an older layout may hold values longer than declared.
        Statement st(db->handle(), QStringLiteral("UPDATE %1 SET %2=? WHERE %3=?")
                                       .arg(quotedName(table), quotedName(field), quotedName(t.fieldName(0))));
        st.bind(1, value);
        st.bind(2, key);
        while (st.step()) {
        }
    }
}

QString field(const std::shared_ptr<Database>& db, const QString& table, const QString& key, const QString& name) {
    Table t(db, table);
    EXPECT_TRUE(t.findKey(key)) << key.toStdString();
    return t.text(t.fieldNumber(name));
}

// Every row of every table, for comparing contents.
QString dump(Database& db) {
    QString all;
    for (const QString& table : db.tableNames()) {
        Statement st(db.handle(), QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(quotedName(table)));
        all += table + '\n';
        while (st.step()) {
            for (int i = 0; i < st.columnCount(); ++i) all += st.text(i) + '|';
            all += '\n';
        }
    }
    return all;
}

// A live database whose table still has an older layout.
std::shared_ptr<Database> liveWith(const test::TempFolder& folder, const TableDef& older) {
    createDatabase(folder.file("Varnedo1.db"));
    auto db = Database::open(folder.file("Varnedo1.db"));
    db->execute(QStringLiteral("DROP TABLE %1").arg(quotedName(older.name)));
    db->createTable(older);
    return db;
}

QString structureFile(const test::TempFolder& folder, const QString& file, const QString& table,
                      const QList<std::pair<QString, Values>>& rows) {
    const QString path = folder.file(file);
    auto db = Database::create(path);
    db->createTable(schema::table(table));
    for (const auto& [key, values] : rows) put(db, table, key, values);
    return path;
}

TableDef olderHead() {
    TableDef def = schema::table("Head");
    def.indexes.clear();
    def.fields.removeAt(def.fieldNumber("Email"));
    def.fields[def.fieldNumber("Title")].size = 10;  // enlarged by the new layout
    def.fields[def.fieldNumber("First")].size = 60;  // larger than the new layout's
    return def;
}

TEST(TableUpgrade, CopiesByNameOverTheStructureRowsAndWritesTheMarkers) {
    test::TempFolder folder;
    auto live = liveWith(folder, olderHead());
    live->execute("DELETE FROM System WHERE Key='THead120302'");
    put(live, "Head", "K1", {{"Title", "fifteen chars.."}, {"First", QString(50, 'f')}, {"Last", "Lee"}});
    put(live, "Head", "K2", {{"Last", "Moe"}});
    const QString file = structureFile(folder, "Head.db", "Head", {{"K1", {{"Email", "k@x"}, {"Last", "shell"}}}, {"S1", {{"Last", "Shell row"}}}});
    qint64 lastDone = 0;
    const TableUpgradeResult result =
        upgradeTable(*live, {"Head", file, folder.path(), {{"THead120302", "Add Three new fields"}},
                             QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)), [&](qint64 done, qint64) { lastDone = done; }});

    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(lastDone, 2);
    EXPECT_EQ(result.valuesCut, 1);
    EXPECT_EQ(result.keptCopy, folder.file("Before upgrade 2026-03-04 05-06-07/Varnedo1.db"));
    EXPECT_TRUE(QFileInfo::exists(result.keptCopy));
    EXPECT_EQ(live->describe("Head").fields.size(), schema::table("Head").fields.size());
    EXPECT_EQ(field(live, "Head", "K1", "Title"), "fifteen chars..");
    EXPECT_EQ(field(live, "Head", "K1", "First"), QString(40, 'f'));
    EXPECT_EQ(field(live, "Head", "K1", "Last"), "Lee");
    EXPECT_EQ(field(live, "Head", "K1", "Email"), "k@x");  // merged into the structure file's row
    EXPECT_EQ(field(live, "Head", "K2", "Email"), "");
    EXPECT_EQ(field(live, "Head", "S1", "Last"), "Shell row");
    QStringList indexes;
    for (const IndexDef& i : live->describe("Head").indexes) indexes << i.name;
    EXPECT_EQ(indexes, QStringList({"NameIndex", "Time"}));
    EXPECT_EQ(field(live, "System", "THead120302", "Value"), "Add Three new fields");
    EXPECT_FALSE(live->hasTable("Head_upgrade"));
}

TEST(TableUpgrade, AFailureLeavesTheDatabaseAsItWasAndTheCopyKept) {
    struct Case {
        const char* name;
        std::function<void(TableDef&)> change;
        bool failMidCopy;
        QString message;  // start of the message; empty for an engine error
    };
    const Case cases[] = {
        {"a live field the new layout lacks", [](TableDef& d) { d.fields[3].name = "Bogus"; }, false,
         "Table Upgrade Error!  The destination file [Temp] does not contain a proper named  field."},
        {"more live fields than new ones",
         [](TableDef& d) {
             for (int i = 0; i < 3; ++i) d.fields << textField(QStringLiteral("Extra%1").arg(i), 5);
         },
         false, "The copy process must be halted!  The Source file [Head] field count exceeds the Destination file [Temp] field count."},
        {"an error mid-copy", [](TableDef&) {}, true, {}},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        TableDef older = olderHead();
        c.change(older);
        auto live = liveWith(folder, older);
        live->execute("DELETE FROM System WHERE Key='THead120302'");
        for (int i = 0; i < 5000; ++i) put(live, "Head", QStringLiteral("K%1").arg(i, 5, 10, QChar('0')), {{"Last", "x"}});
        const QString file = structureFile(folder, "Head.db", "Head", {{"S1", {{"Last", "Shell row"}}}});
        const QString before = dump(*live);
        TableUpgrade upgrade{"Head", file, folder.path(), {{"THead120302", "Add Three new fields"}}, QDateTime::currentDateTime(), {}};
        if (c.failMidCopy) upgrade.progress = [](qint64, qint64) { throw StoreError("disk full"); };
        QString message;
        try {
            upgradeTable(*live, upgrade);
            ADD_FAILURE() << c.name;
        } catch (const UpgradeHalted& h) {
            message = h.message;
        } catch (const StoreError& e) {
            message = "engine: " + e.message();
        }
        if (c.message.isEmpty()) EXPECT_EQ(message, "engine: disk full") << c.name;
        else EXPECT_TRUE(message.startsWith(c.message)) << c.name << ": " << message.toStdString();
        EXPECT_EQ(dump(*live), before) << c.name;
        EXPECT_TRUE(QFileInfo::exists(keptCopyPath(folder.path(), upgrade.now))) << c.name;
    }
}

TEST(FactoryTables, AddOnlyWhatIsMissingAndKeepPendingWhatCannotBeRead) {
    struct Case {
        const char* name;
        std::function<void(const std::shared_ptr<Database>&)> live;
        std::function<void(const test::TempFolder&)> file;
        QStringList expectedKeys;  // empty: not loaded
        QString userValue;         // field Name of key A afterwards, when loaded
    };
    const QString name = schema::table("Dsli").fields[1].name;
    auto factoryFile = [&](const test::TempFolder& f) {
        structureFile(f, "DSLI1.db", "Dsli", {{"A", {{name, "factory"}}}, {"B", {{name, "factory"}}}});
    };
    const Case cases[] = {
        {"live table missing", [](auto& db) { db->execute("DROP TABLE Dsli"); }, factoryFile, {"A", "B"}, "factory"},
        {"live table empty", [](auto&) {}, factoryFile, {"A", "B"}, "factory"},
        {"user rows kept", [&](auto& db) { put(db, "Dsli", "A", {{name, "user"}}); }, factoryFile, {"A", "B"}, "user"},
        {"missing file", [](auto&) {}, [](const test::TempFolder&) {}, {}, {}},
        {"not SQLite",
         [](auto&) {},
         [](const test::TempFolder& f) {
             QFile file(f.file("Dsli1.db"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(QByteArray(4096, '\x02'));
         },
         {}, {}},
        {"a view named Dsli",
         [](auto&) {},
         [](const test::TempFolder& f) {
             auto db = Database::create(f.file("Dsli1.db"));
             db->execute("CREATE TABLE t (k TEXT)");
             db->execute("CREATE VIEW Dsli AS SELECT k FROM t");
         },
         {}, {}},
    };
    for (const Case& c : cases) {
        test::TempFolder folder, newTables;
        createDatabase(folder.file("Varnedo1.db"));
        auto live = Database::open(folder.file("Varnedo1.db"));
        live->execute("DELETE FROM System WHERE Key LIKE 'NT%'");
        live->execute("DELETE FROM Dsli");
        c.live(live);
        c.file(newTables);
        const FactoryOutcome outcome = addFactoryTables(*live, newTables.path(), QDateTime::currentDateTime());
        Table system(live, "System");
        if (c.expectedKeys.isEmpty()) {
            EXPECT_EQ(outcome.loaded, QStringList()) << c.name;
            ASSERT_FALSE(outcome.problems.isEmpty()) << c.name;
            EXPECT_TRUE(outcome.problems.first().contains(newTables.path())) << c.name;
            EXPECT_FALSE(system.findKey("NTDsli051603")) << c.name;
            continue;
        }
        EXPECT_EQ(outcome.loaded, QStringList({"Dsli"})) << c.name;
        EXPECT_EQ(Table(live, "Dsli").keysWithPrefix(""), c.expectedKeys) << c.name;
        EXPECT_EQ(field(live, "Dsli", "A", name), c.userValue) << c.name;
        EXPECT_TRUE(system.findKey("NTDsli051603")) << c.name;
        EXPECT_EQ(system.text(1), "New Dsli Tables");
    }
}

}  // namespace
}  // namespace vn
