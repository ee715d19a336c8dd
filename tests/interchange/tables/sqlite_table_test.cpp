#include "interchange/tables/sqlite_table.h"
#include "store/engine/database.h"
#include "support/temp_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <gtest/gtest.h>

namespace vn {
namespace {

// A sibling's table file as the product leaves it: one table, its text key first, rows written
// out of key order, no journal beside it.
void makeTable(const QString& path, const QStringList& statements) {
    auto db = Database::create(path);
    db->execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    for (const QString& sql : statements) db->execute(sql);
}

const QStringList kMemb{
    QStringLiteral("CREATE TABLE Memb (Key VARCHAR(10), Name TEXT, Age INTEGER, Dues REAL, Photo BLOB)"),
    QStringLiteral("INSERT INTO Memb VALUES ('C3', 'Carla', 41, 12.5, x'00ff')"),
    QStringLiteral("INSERT INTO Memb VALUES ('A1', 'Anna', NULL, 0.1, NULL)"),
    QStringLiteral("INSERT INTO Memb VALUES ('B2', 'Bö', 7, -3.0, x'01')")};

std::unique_ptr<ForeignTable> openOk(const QString& path) {
    ForeignProblem problem;
    auto table = openSqliteTable(path, problem);
    EXPECT_TRUE(table) << problem.message.toStdString();
    return table;
}

QList<QStringList> allRows(ForeignTable& table) {
    QList<QStringList> rows;
    QStringList values;
    ForeignProblem problem;
    while (table.nextRow(values, problem)) rows << values;
    EXPECT_TRUE(problem.message.isEmpty()) << problem.message.toStdString();
    return rows;
}

QByteArray hashOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

TEST(SqliteTable, ReadsTheOneTableInKeyOrderWithItsTypes) {
    test::TempFolder folder;
    makeTable(folder.file("Memb1.db"), kMemb);
    auto table = openOk(folder.file("Memb1.db"));
    ASSERT_TRUE(table);
    QStringList names;
    QList<ForeignType> types;
    for (const ForeignColumn& c : table->columns()) {
        names << c.name;
        types << c.type;
    }
    EXPECT_EQ(names, QStringList({"Key", "Name", "Age", "Dues", "Photo"}));
    EXPECT_EQ(types, QList<ForeignType>({ForeignType::Text, ForeignType::Text, ForeignType::Integer, ForeignType::Floating,
                                         ForeignType::Binary}));
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(allRows(*table), QList<QStringList>({{"A1", "Anna", "", "0.1", ""},
                                                   {"B2", QStringLiteral("Bö"), "7", "-3", ""},
                                                   {"C3", "Carla", "41", "12.5", ""}}));
}

TEST(SqliteTable, RefusesFilesWithoutExactlyOneTableNamingThem) {
    const struct {
        const char* what;
        QStringList statements;
        QByteArray bytes;  // written instead when not empty
    } cases[] = {
        {"two tables", {QStringLiteral("CREATE TABLE Memb (Key TEXT)"), QStringLiteral("CREATE TABLE Other (Key TEXT)")}, {}},
        {"no table", {QStringLiteral("PRAGMA user_version=1")}, {}},
        {"not a database", {}, QByteArray("SQLite format 3") + QByteArray(200, 'x')},
        {"empty file", {}, QByteArray()},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        const QString path = folder.file("Memb1.db");
        if (!c.statements.isEmpty()) {
            makeTable(path, c.statements);
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        ForeignProblem problem;
        EXPECT_FALSE(openSqliteTable(path, problem)) << c.what;
        EXPECT_TRUE(problem.message.contains(QStringLiteral("Memb1.db"))) << c.what << ": " << problem.message.toStdString();
    }
}

TEST(SqliteTable, ReadingLeavesTheFileAndFolderAsTheyWere) {
    test::TempFolder folder;
    const QString path = folder.file("Memb1.db");
    makeTable(path, kMemb);
    const QByteArray before = hashOf(path);
    const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    {
        auto table = openOk(path);
        ASSERT_TRUE(table);
        EXPECT_EQ(allRows(*table).size(), 3);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);  // while open, too
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    EXPECT_EQ(hashOf(path), before);
}

TEST(SqliteTable, ReadsFromAReadOnlyFolder) {
    test::TempFolder folder;
    const QString sub = folder.file("ro");
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString path = sub + QStringLiteral("/Memb1.db");
    makeTable(path, kMemb);
    QFile::setPermissions(path, QFile::ReadOwner);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QFile probe(sub + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) GTEST_SKIP() << "this user may write into a read-only folder";
    auto table = openOk(path);
    ASSERT_TRUE(table);
    EXPECT_EQ(allRows(*table).size(), 3);
}

}  // namespace
}  // namespace vn
