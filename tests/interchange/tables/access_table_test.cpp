// Access data bases read through mdbtools: the child lists the user tables and streams a table;
// values as every outside table gives them; damaged copies refused with no row, the file untouched.
#include "interchange/tables/access/access_password.h"
#include "interchange/tables/child/access_tables.h"
#include "interchange/tables/child/child_table.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vn {
namespace {

const QString kNwind = QStringLiteral(VARNEDO_TABLE_FIXTURES "/nwind.mdb");
const QString kSample = QStringLiteral(VARNEDO_TABLE_FIXTURES "/ASampleDatabase.accdb");
const QString kChild = QStringLiteral(VARNEDO_TABLE_CHILD);

QByteArray digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

std::unique_ptr<ForeignTable> openInChild(const QString& path, const QString& table, ForeignProblem& problem) {
    return ChildTable::open({QStringLiteral("access"), path, table, kChild, 20}, problem);
}

QList<QStringList> allRows(ForeignTable& table, ForeignProblem& problem) {
    QList<QStringList> rows;
    QStringList values;
    while (table.nextRow(values, problem)) rows.append(values);
    return rows;
}

qsizetype columnIndex(const ForeignTable& table, const QString& name) {
    for (qsizetype i = 0; i < table.columns().size(); ++i)
        if (table.columns()[i].name == name) return i;
    return -1;
}

TEST(AccessTable, TheChildListsUserTablesOnly) {
    const struct {
        QString path;
        QStringList present;
    } cases[] = {{kNwind, {"Employees", "Orders", "Order Details"}}, {kSample, {"Asset Items"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ForeignProblem problem;
        const QStringList names = listAccessTables(c.path, problem, kChild);
        EXPECT_TRUE(problem.message.isEmpty()) << problem.message.toStdString();
        for (const QString& name : c.present) EXPECT_TRUE(names.contains(name)) << name.toStdString();
        for (const QString& name : names) EXPECT_FALSE(name.startsWith("MSys", Qt::CaseInsensitive)) << name.toStdString();
    }
}

TEST(AccessTable, EmployeesThroughTheChildTypedAndWhole) {
    const QByteArray before = digest(kNwind);
    ForeignProblem problem;
    const auto table = openInChild(kNwind, QStringLiteral("Employees"), problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    const struct {
        const char* name;
        ForeignType type;
        const char* first;
    } columns[] = {
        {"EmployeeID", ForeignType::Integer, "1"},
        {"LastName", ForeignType::Text, "Davolio"},
        {"BirthDate", ForeignType::DateTime, "12/8/1948"},
        {"HireDate", ForeignType::DateTime, "5/1/1992"},
        {"Address", ForeignType::Text, "507 - 20th Ave. E.\r\nApt. 2A"},
        {"Photo", ForeignType::Binary, ""},
        {"Notes", ForeignType::Memo, nullptr},
    };
    const auto rows = allRows(*table, problem);
    EXPECT_TRUE(problem.message.isEmpty()) << problem.message.toStdString();
    ASSERT_EQ(rows.size(), table->rowCount());
    ASSERT_EQ(rows.size(), 9);
    for (const auto& c : columns) {
        SCOPED_TRACE(c.name);
        const qsizetype at = columnIndex(*table, QString::fromLatin1(c.name));
        ASSERT_GE(at, 0);
        EXPECT_EQ(table->columns()[at].type, c.type);
        EXPECT_EQ(table->columns()[at].isMappable(), c.type != ForeignType::Binary);
        if (c.first) {
            EXPECT_EQ(rows[0][at], QString::fromLatin1(c.first));
        }
    }
    // Memos whole: the first one ends with its last sentence, none is cut at a buffer's size.
    const qsizetype notes = columnIndex(*table, QStringLiteral("Notes"));
    EXPECT_TRUE(rows[0][notes].startsWith("Education includes a BA in psychology"));
    EXPECT_TRUE(rows[0][notes].endsWith("Nancy is a member of Toastmasters International."));
    EXPECT_EQ(digest(kNwind), before);  // read, never written
}

TEST(AccessTable, ATableOfTheAccdb) {
    ForeignProblem problem;
    const auto table = openInChild(kSample, QStringLiteral("Asset Items"), problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    QStringList values;
    ASSERT_TRUE(table->nextRow(values, problem)) << problem.message.toStdString();
    const struct {
        const char* name;
        ForeignType type;
        const char* first;
    } columns[] = {
        {"Asset No", ForeignType::Text, "30050"},
        {"Acquired", ForeignType::DateTime, "9/2/1997"},
        {"Cost", ForeignType::Currency, "1995.5"},
        {"Warranty", ForeignType::Integer, "12"},
        {"Comments", ForeignType::Memo, ""},
    };
    for (const auto& c : columns) {
        SCOPED_TRACE(c.name);
        const qsizetype at = columnIndex(*table, QString::fromLatin1(c.name));
        ASSERT_GE(at, 0);
        EXPECT_EQ(table->columns()[at].type, c.type);
        EXPECT_EQ(values[at], QString::fromLatin1(c.first));
    }
}

// A cut copy, an unknown table or a file that is no data base: refused naming the file, no row.
TEST(AccessTable, DamagedOrWrongIsRefusedWithNothing) {
    QTemporaryDir dir;
    QFile source(kNwind);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray whole = source.readAll();
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const struct {
        const char* name;
        QString path;
        const char* table;
    } cases[] = {
        {"cut in half", write("half.mdb", whole.left(whole.size() / 2)), "Employees"},
        {"cut to its header", write("header.mdb", whole.left(4096)), "Employees"},
        {"not a data base", write("text.mdb", QByteArray(8192, 'x')), "Employees"},
        {"no such table", kNwind, "MSysObjects"},
        {"missing file", dir.filePath("none.mdb"), "Employees"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ForeignProblem problem;
        auto table = openInChild(c.path, QString::fromLatin1(c.table), problem);
        const auto rows = table ? allRows(*table, problem) : QList<QStringList>();
        EXPECT_FALSE(problem.message.isEmpty());
        EXPECT_TRUE(problem.message.contains(c.path)) << problem.message.toStdString();
        EXPECT_TRUE(rows.isEmpty() || rows.size() < 9);
        EXPECT_FALSE(table && rows.isEmpty() && problem.message.isEmpty());
    }
    ForeignProblem listed;
    EXPECT_TRUE(listAccessTables(dir.filePath("text.mdb"), listed, kChild).isEmpty());
    EXPECT_TRUE(listed.message.contains("text.mdb")) << listed.message.toStdString();
}

// A damaged copy on which mdbtools asks for memory without end (found by the fuzz target): the
// child's limit ends it, and the file is refused like any unreadable one.
TEST(AccessTable, AReaderThatWouldExhaustMemoryIsStopped) {
    const QString runaway = QStringLiteral(VARNEDO_TABLE_FIXTURES "/runaway_memory.mdb");
    ForeignProblem problem;
    EXPECT_TRUE(listAccessTables(runaway, problem, kChild).isEmpty());
    EXPECT_TRUE(problem.message.contains(runaway)) << problem.message.toStdString();
    EXPECT_TRUE(problem.message.contains("stopped unexpectedly")) << problem.message.toStdString();
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A password set as the data base's creator sets it: over the obscured bytes at 0x42, one byte a
// character in Jet 3, UTF-16 later (mdbtools would read such a copy as if it had none).
QByteArray withPassword(QByteArray base, const QString& password) {
    const QByteArray bytes = base[0x14] == 0 ? password.toLatin1()
                                            : QByteArray(reinterpret_cast<const char*>(password.utf16()), password.size() * 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) base[0x42 + i] = char(base[0x42 + i] ^ bytes[i]);
    return base;
}

TEST(AccessTable, APasswordIsRefusedBeforeAnyTableIsRead) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QString source;
        const char* password;
        const char* table;
    } cases[] = {
        {"locked.mdb", kNwind, "secret", "Employees"},
        {"one.mdb", kNwind, "x", "Employees"},
        {"locked.accdb", kSample, "Geheim", "Asset Items"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray source = bytesOf(c.source);
        EXPECT_FALSE(accessHasPassword(source));
        QFile locked(dir.filePath(QString::fromLatin1(c.name)));
        ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
        locked.write(withPassword(source, QString::fromLatin1(c.password)));
        locked.close();
        ForeignProblem listed, opened;
        EXPECT_TRUE(listAccessTables(locked.fileName(), listed, kChild).isEmpty());
        EXPECT_FALSE(openInChild(locked.fileName(), QString::fromLatin1(c.table), opened));
        for (const ForeignProblem* problem : {&listed, &opened}) {
            EXPECT_TRUE(problem->message.contains(locked.fileName())) << problem->message.toStdString();
            EXPECT_TRUE(problem->message.contains("protected by a password")) << problem->message.toStdString();
        }
    }
    EXPECT_FALSE(accessHasPassword(bytesOf(kNwind).left(kAccessHeadSize - 1)));
}

}  // namespace
}  // namespace vn
