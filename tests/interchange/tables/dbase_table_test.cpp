#include "dbase_bytes.h"

#include "interchange/tables/dbase_table.h"
#include "support/temp_folder.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace vn {
namespace {

using test::DbfField;
using test::dbfBytes;
using test::dbfRecord;
using test::readDbase;
using test::writeBytes;

QStringList names(const ForeignTable& table) {
    QStringList out;
    for (const ForeignColumn& c : table.columns()) out << c.name;
    return out;
}

QList<ForeignType> types(const ForeignTable& table) {
    QList<ForeignType> out;
    for (const ForeignColumn& c : table.columns()) out << c.type;
    return out;
}

TEST(DbaseTable, ValuesOfEveryDbaseTypeAndDeletedRowsSkipped) {
    test::TempFolder folder;
    const QList<DbfField> fields{{"NAME", 'C', 10}, {"AMOUNT", 'N', 9, 2}, {"COUNT", 'N', 5}, {"RATE", 'F', 12, 4},
                                 {"BORN", 'D', 8},  {"MEMBER", 'L', 1}};
    writeBytes(folder.file("t.dbf"),
               dbfBytes(0x03, 0x57, fields,
                        {dbfRecord(' ', fields, {"Ada", "-1234.50", "42", "0.1250", "20240307", "T"}),
                         dbfRecord('*', fields, {"Deleted", "1", "1", "1", "20000101", "F"}),
                         dbfRecord(' ', fields, {"  Bo", "", "", "1.5E+3", "", "?"}),
                         dbfRecord(' ', fields, {"\xc9va", "+.5", "-0", "-12", "19991231", "n"}),
                         dbfRecord(' ', fields, {"", "0.00", "00007", "3.", "00000000", " "})}));
    ForeignProblem problem;
    const auto table = openDbaseTable(folder.file("t.dbf"), problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    EXPECT_EQ(names(*table), QStringList({"NAME", "AMOUNT", "COUNT", "RATE", "BORN", "MEMBER"}));
    EXPECT_EQ(types(*table), QList<ForeignType>({ForeignType::Text, ForeignType::Bcd, ForeignType::Integer,
                                                 ForeignType::Floating, ForeignType::Date, ForeignType::Logical}));
    EXPECT_EQ(table->rowCount(), 5);
    const auto rows = readDbase(folder.file("t.dbf"), problem);
    ASSERT_TRUE(rows) << problem.message.toStdString();
    EXPECT_EQ(*rows, QList<QStringList>({{"Ada", "-1234.50", "42", "0.1250", "3/7/2024", "True"},
                                         {"  Bo", "", "", "1500", "", ""},
                                         {QStringLiteral("\u00c9va"), "0.5", "0", "-12", "12/31/1999", "False"},
                                         {"", "0.00", "7", "3", "", ""}}));
}

TEST(DbaseTable, MemosFromTheMemoFileBesideInAnyCase) {
    using Maker = QByteArray (*)(const QList<QByteArray>&);
    const struct {
        unsigned char version;
        const char* table;
        const char* memo;
        Maker memoBytes;
        const char* firstBlock;
        const char* secondBlock;
    } cases[] = {{0x83, "people.dbf", "PEOPLE.DBT", test::dbt3Bytes, "1", "2"},
                 {0x8B, "PEOPLE.DBF", "people.dbt", test::dbt4Bytes, "1", "2"},
                 {0xF5, "People.dbf", "PEOPLE.fpt", test::fptBytes, "8", "9"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.memo);
        test::TempFolder folder;
        const QList<DbfField> fields{{"NAME", 'C', 5}, {"NOTES", 'M', 10}};
        writeBytes(folder.file(c.table), dbfBytes(c.version, 0x57, fields,
                                                  {dbfRecord(' ', fields, {"A", c.firstBlock}), dbfRecord(' ', fields, {"B", ""}),
                                                   dbfRecord('*', fields, {"X", "77"}), dbfRecord(' ', fields, {"C", c.secondBlock})}));
        writeBytes(folder.file(c.memo), c.memoBytes({"First line\r\nsecond line", "Caf\xe9"}));
        ForeignProblem problem;
        const auto rows = readDbase(folder.file(c.table), problem);
        ASSERT_TRUE(rows) << problem.message.toStdString();
        EXPECT_EQ(*rows, QList<QStringList>({{"A", "First line\r\nsecond line"}, {"B", ""}, {"C", QStringLiteral("Caf\u00e9")}}));
    }
}

TEST(DbaseTable, VisualFoxProTypesNullsAndPictures) {
    test::TempFolder folder;
    const QList<DbfField> fields{{"ID", 'I', 4},   {"PRICE", 'Y', 8}, {"WEIGHT", 'B', 8},     {"STAMP", 'T', 8},
                                 {"NOTE", 'M', 4}, {"PIC", 'G', 4},   {"QTY", 'N', 5, 0, 2}, {"_NullFlags", '0', 1, 0, 5}};
    const auto binary = [](auto value) {
        QByteArray b(sizeof value, '\0');
        qToLittleEndian(value, b.data());
        return b;
    };
    const auto stamp = [&](const QDate& day, qint32 ms) { return binary(qint32(day.toJulianDay())) + binary(ms); };
    double weight = 2.5;
    quint64 weightBits;
    std::memcpy(&weightBits, &weight, 8);
    writeBytes(folder.file("v.dbf"),
               dbfBytes(0x30, 0x03, fields,
                        {" " + binary(qint32(7)) + binary(qint64(123456)) + binary(weightBits) +
                             stamp(QDate(2024, 3, 7), 47109000) + binary(quint32(8)) + binary(quint32(9)) + "   12" + '\0',
                         " " + binary(qint32(-3)) + binary(qint64(-50000)) + binary(quint64(0)) + QByteArray(8, '\0') +
                             binary(quint32(0)) + binary(quint32(0)) + "    0" + '\1'}));
    writeBytes(folder.file("V.FPT"), test::fptBytes({"Memo text"}));
    ForeignProblem problem;
    const auto table = openDbaseTable(folder.file("v.dbf"), problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    EXPECT_EQ(types(*table), QList<ForeignType>({ForeignType::Integer, ForeignType::Currency, ForeignType::Floating,
                                                 ForeignType::DateTime, ForeignType::Memo, ForeignType::Binary, ForeignType::Integer}));
    EXPECT_FALSE(table->columns()[5].isMappable());
    const auto rows = readDbase(folder.file("v.dbf"), problem);
    ASSERT_TRUE(rows) << problem.message.toStdString();
    EXPECT_EQ(*rows, QList<QStringList>({{"7", "12.3456", "2.5", "3/7/2024 1:05:09 PM", "Memo text", "", "12"},
                                         {"-3", "-5", "0", "", "", "", ""}}));
}

TEST(DbaseTable, TextDecodedByTheLanguageDriver) {
    const struct {
        unsigned char driver;
        char byte;
        char16_t expected;
    } cases[] = {{0x01, '\x81', u'\u00fc'}, {0x02, '\x9b', u'\u00f8'}, {0x03, '\xfc', u'\u00fc'}, {0x57, '\x80', u'\u20ac'},
                 {0x00, '\xe9', u'\u00e9'}, {0xC9, '\xe0', u'\u0430'}, {0x65, '\x80', u'\u0410'}, {0xEE, '\xe9', u'\u00e9'}};
    test::TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.driver));
        const QList<DbfField> fields{{"NAME", 'C', 4}};
        writeBytes(folder.file("cp.dbf"), dbfBytes(0x03, c.driver, fields, {dbfRecord(' ', fields, {QByteArray("x") + c.byte})}));
        ForeignProblem problem;
        const auto rows = readDbase(folder.file("cp.dbf"), problem);
        ASSERT_TRUE(rows) << problem.message.toStdString();
        EXPECT_EQ(*rows, QList<QStringList>({{u'x' + QString(QChar(c.expected))}}));
    }
}

TEST(DbaseTable, ReadingLeavesTheFilesAsTheyWere) {
    test::TempFolder folder;
    const QList<DbfField> fields{{"NAME", 'C', 5}, {"NOTES", 'M', 10}};
    const QByteArray table = dbfBytes(0x83, 0x57, fields, {dbfRecord(' ', fields, {"A", "1"})});
    const QByteArray memo = test::dbt3Bytes({"text"});
    writeBytes(folder.file("r.dbf"), table);
    writeBytes(folder.file("r.dbt"), memo);
    for (const char* name : {"r.dbf", "r.dbt"}) QFile::setPermissions(folder.file(name), QFile::ReadOwner);
    ForeignProblem problem;
    ASSERT_TRUE(readDbase(folder.file("r.dbf"), problem)) << problem.message.toStdString();
    for (const auto& [name, bytes] : {std::pair{"r.dbf", table}, std::pair{"r.dbt", memo}}) {
        QFile file(folder.file(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), bytes) << name;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

// A sound table with a memo file, damaged one way per case: refused, naming the file and where.
TEST(DbaseTable, DamagedTablesAreRefusedWithNothingRead) {
    using Damage = std::function<void(QByteArray& table, QByteArray& memo)>;
    const auto setU16 = [](QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    constexpr int kFirstRecord = 32 + 2 * 32 + 1;
    const struct {
        const char* what;
        bool foxPro;
        Damage damage;
        const char* said;
    } cases[] = {
        {"record length lying", false, [&](QByteArray& t, QByteArray&) { setU16(t, 10, 17); }, "record length 17"},
        {"record count beyond the file", false, [](QByteArray& t, QByteArray&) { t[4] = 9; }, "9 records"},
        {"header length too short", false, [&](QByteArray& t, QByteArray&) { setU16(t, 8, 80); }, "header length 80"},
        {"header length beyond the file", false, [&](QByteArray& t, QByteArray&) { setU16(t, 8, 60000); }, "header length 60000"},
        {"bad version", false, [](QByteArray& t, QByteArray&) { t[0] = 0x04; }, "0x04"},
        {"field name without end", false, [](QByteArray& t, QByteArray&) { t.replace(32, 11, "ABCDEFGHIJK"); }, "field 1"},
        {"empty field name", false, [](QByteArray& t, QByteArray&) { t[64] = 0; }, "field 2"},
        {"field name unprintable", false, [](QByteArray& t, QByteArray&) { t[33] = '\x07'; }, "field 1"},
        {"unknown field type", false, [](QByteArray& t, QByteArray&) { t[32 + 11] = 'X'; }, "type \"X\""},
        {"memo block beyond the memo file", false,
         [](QByteArray& t, QByteArray&) { t.replace(kFirstRecord + 6, 10, "        99"); }, "memo block 99"},
        {"memo block number not a number", false,
         [](QByteArray& t, QByteArray&) { t.replace(kFirstRecord + 6, 10, "       1x1"); }, "row 1"},
        {"memo without its end mark", false, [](QByteArray&, QByteArray& m) { m.truncate(512 + 4); }, "memo block 1"},
        {"memo length beyond the memo file", true, [](QByteArray&, QByteArray& m) { m[512 + 4] = '\x10'; }, "memo block 8"},
        {"memo file block size 0", true, [](QByteArray&, QByteArray& m) { m[7] = 0; }, "block size"},
        {"memo file missing", false, [](QByteArray&, QByteArray& m) { m.clear(); }, "memo file"},
        {"row neither kept nor deleted", false, [](QByteArray& t, QByteArray&) { t[kFirstRecord] = 'X'; }, "row 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        const QList<DbfField> fields{{"NAME", 'C', 5}, {"NOTES", 'M', 10}};
        QByteArray table = dbfBytes(c.foxPro ? 0xF5 : 0x83, 0x57, fields,
                                    {dbfRecord(' ', fields, {"A", c.foxPro ? "8" : "1"}), dbfRecord(' ', fields, {"B", ""})});
        QByteArray memo = c.foxPro ? test::fptBytes({"text"}) : test::dbt3Bytes({"text"});
        c.damage(table, memo);
        writeBytes(folder.file("d.dbf"), table);
        if (!memo.isEmpty()) writeBytes(folder.file(c.foxPro ? "d.fpt" : "d.dbt"), memo);
        ForeignProblem problem;
        EXPECT_FALSE(readDbase(folder.file("d.dbf"), problem));
        EXPECT_TRUE(problem.message.startsWith(folder.file("d.dbf"))) << problem.message.toStdString();
        EXPECT_TRUE(problem.message.contains(QLatin1String(c.said))) << problem.message.toStdString();
    }
}

}  // namespace
}  // namespace vn
