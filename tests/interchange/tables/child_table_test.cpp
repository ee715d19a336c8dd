// Tables read by a child process: the child's rows arrive as the reader in this process gives them;
// a crash, a hang, garbage or a lying stream is a problem naming the file, never the end of the rows.
#include "interchange/tables/child/child_table.h"
#include "interchange/tables/child/table_frames.h"
#include "interchange/tables/paradox/paradox_table.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

const QString kFixture = QStringLiteral(VARNEDO_PARADOX_FIXTURES "/TypSammlung.DB");

ChildTableRequest request(const QString& kind, const QString& path = kFixture) {
    return {kind, path, QString(), QStringLiteral(VARNEDO_TABLE_CHILD), 2};
}

// Every row until the end; the problem that ended them, if any.
QList<QStringList> allRows(ForeignTable& table, ForeignProblem& problem) {
    QList<QStringList> rows;
    QStringList values;
    while (table.nextRow(values, problem)) rows.append(values);
    return rows;
}

TEST(ChildTable, ParadoxRowsAsTheReaderInThisProcessGivesThem) {
    ForeignProblem problem;
    const auto child = ChildTable::open(request("paradox"), problem);
    ASSERT_TRUE(child) << problem.message.toStdString();
    const auto local = ParadoxTable::open(kFixture, problem);
    ASSERT_TRUE(local);
    ASSERT_EQ(child->columns().size(), local->columns().size());
    for (qsizetype i = 0; i < local->columns().size(); ++i) {
        EXPECT_EQ(child->columns()[i].name, local->columns()[i].name);
        EXPECT_EQ(child->columns()[i].type, local->columns()[i].type);
    }
    EXPECT_EQ(child->rowCount(), 5);
    ForeignProblem childProblem, localProblem;
    EXPECT_EQ(allRows(*child, childProblem), allRows(*local, localProblem));
    EXPECT_TRUE(childProblem.message.isEmpty()) << childProblem.message.toStdString();
}

// The program itself takes the internal option before anything else and answers in frames.
TEST(ChildTable, TheProgramIsTheChild) {
    ChildTableRequest program = request("paradox");
    program.program = QStringLiteral(VARNEDO_EXECUTABLE);
    ForeignProblem problem;
    const auto child = ChildTable::open(program, problem);
    ASSERT_TRUE(child) << problem.message.toStdString();
    EXPECT_EQ(allRows(*child, problem).size(), 5);
    EXPECT_TRUE(problem.message.isEmpty()) << problem.message.toStdString();
}

TEST(ChildTable, TheChildsOwnRefusalIsPassedOn) {
    ForeignProblem problem;
    EXPECT_FALSE(ChildTable::open(request("paradox", QStringLiteral("/nonexistent/T.DB")), problem));
    EXPECT_TRUE(problem.message.contains("/nonexistent/T.DB")) << problem.message.toStdString();
}

TEST(ChildTable, AFailingChildIsAnUnreadableFile) {
    const struct {
        const char* kind;
        const char* said;
    } cases[] = {
        {"crash", "stopped unexpectedly"},
        {"garbage", "damaged data"},
        {"hang", "sent nothing for 2 seconds"},
        {"fewer-rows", "2 rows announced, 1 sent"},
        {"failed-after-end", "ended with the status 3"},
        {"greedy", "stopped unexpectedly"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        ForeignProblem problem;
        const auto child = ChildTable::open(request(QString::fromLatin1(c.kind)), problem);
        if (child) allRows(*child, problem);
        EXPECT_TRUE(problem.message.contains(kFixture)) << problem.message.toStdString();
        EXPECT_TRUE(problem.message.contains(QString::fromLatin1(c.said))) << problem.message.toStdString();
    }
}

TEST(ChildTable, TheProgramThatCannotStartIsAnUnreadableFile) {
    ChildTableRequest missing = request("paradox");
    missing.program = QStringLiteral("/nonexistent/varnedo");
    ForeignProblem problem;
    EXPECT_FALSE(ChildTable::open(missing, problem));
    EXPECT_TRUE(problem.message.contains("could not be started")) << problem.message.toStdString();
}

// Streams cut or altered anywhere are damaged or incomplete, never a table with other rows.
TEST(TableFrames, AlteredStreamsAreDamaged) {
    using Step = table_frame::Parser::Step;
    const QList<ForeignColumn> columns = {{"A", ForeignType::Text}, {"B", ForeignType::Integer}};
    const QByteArray head = table_frame::table(columns, 1);
    const QByteArray whole = head + table_frame::row({"x", "1"}) + table_frame::end();
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"row first", table_frame::row({"x", "1"})},
        {"a value missing", head + table_frame::row({"x"})},
        {"a second table", head + head},
        {"after the end", whole + table_frame::end()},
        {"unknown kind", head + QByteArray("Z\0\0\0\0", 5)},
        {"huge frame", head + QByteArray("R\xff\xff\xff\x7f", 5)},
        {"text longer than its frame", head + QByteArray("R\x09\0\0\0\x02\0\0\0\xff\0\0\0x", 14)},
        {"unknown column type", QByteArray("T\x11\0\0\0\0\0\0\0\0\0\0\0\x01\0\0\0\x63\0\0\0\0", 22)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table_frame::Parser parser;
        parser.append(c.bytes);
        Step step = Step::Table;
        while (step == Step::Table || step == Step::Row || step == Step::End) step = parser.next();
        EXPECT_EQ(step, Step::Damaged) << parser.what().toStdString();
    }
    table_frame::Parser parser;
    for (const char byte : whole) {  // byte by byte: nothing before its whole frame is in
        parser.append(QByteArray(1, byte));
        const Step step = parser.next();
        EXPECT_NE(step, Step::Damaged);
        if (step == Step::Row) {
            EXPECT_EQ(parser.row(), QStringList({"x", "1"}));
        }
    }
}

}  // namespace
}  // namespace vn
