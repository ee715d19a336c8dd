// Access data bases read through mdbtools: the child lists the user tables and streams a table;
// values as every outside table gives them; damaged copies refused with no row, the file untouched.
#include "interchange/tables/access/access_table.h"
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
    for (const QString& path : {kNwind, kSample}) {
        ForeignProblem problem;
        const QStringList names = listAccessTables(path, problem, kChild);
        EXPECT_TRUE(problem.message.isEmpty()) << problem.message.toStdString();
        EXPECT_FALSE(names.isEmpty());
        for (const QString& name : names) EXPECT_FALSE(name.startsWith("MSys", Qt::CaseInsensitive)) << name.toStdString();
        std::cout << names.join(", ").toStdString() << "\n";
    }
}

TEST(AccessTable, EmployeesThroughTheChild) {
    const QByteArray before = digest(kNwind);
    ForeignProblem problem;
    const auto table = openInChild(kNwind, QStringLiteral("Employees"), problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    for (const auto& c : table->columns()) std::cout << c.name.toStdString() << " " << int(c.type) << "\n";
    const auto rows = allRows(*table, problem);
    EXPECT_TRUE(problem.message.isEmpty()) << problem.message.toStdString();
    EXPECT_EQ(rows.size(), table->rowCount());
    if (!rows.isEmpty()) for (const auto& v : rows[0]) std::cout << "[" << v.toStdString() << "]\n";
    EXPECT_EQ(digest(kNwind), before);
}

TEST(AccessTable, OneTableOfTheAccdb) {
    ForeignProblem problem;
    const QStringList names = accessTableNames(kSample, problem);
    ASSERT_FALSE(names.isEmpty());
    const auto table = openAccessTable(kSample, names.first(), problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    for (const auto& c : table->columns()) std::cout << c.name.toStdString() << " " << int(c.type) << "\n";
    QStringList values;
    if (table->nextRow(values, problem)) for (const auto& v : values) std::cout << "[" << v.toStdString() << "]\n";
}

}  // namespace
}  // namespace vn
