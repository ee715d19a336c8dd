// The Paradox reader on the shared typed fixture (a keyed Paradox 7 table with a memo in its .MB),
// on keyed tables pxlib writes out of key order, and on damaged copies, which give no row at all.
#include "interchange/tables/paradox/code_page_text.h"
#include "interchange/tables/paradox/paradox_table.h"

#include "support/temp_folder.h"

extern "C" {
#include <paradox.h>
}

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace vn {
namespace {

const QString kFixtures = QStringLiteral(VARNEDO_PARADOX_FIXTURES);

QList<QStringList> allRows(ForeignTable& table) {
    QList<QStringList> rows;
    QStringList values;
    ForeignProblem problem;
    while (table.nextRow(values, problem)) rows.append(values);
    EXPECT_TRUE(problem.message.isEmpty()) << problem.message.toStdString();
    return rows;
}

TEST(ParadoxTable, FixtureColumnsAndTypes) {
    ForeignProblem problem;
    const auto table = ParadoxTable::open(kFixtures + "/TypSammlung.DB", problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    using T = ForeignType;
    const QList<ForeignColumn> expected = {
        {"Alpha", T::Text},       {"Numerisch", T::Floating}, {"Währung", T::Currency},  {"Integer kurz", T::Integer},
        {"Integer lang", T::Integer}, {"BCD", T::Bcd},        {"Datum", T::Date},        {"Zeit", T::Time},
        {"Datum/Zeit", T::DateTime}, {"Memo", T::Memo},       {"Logisch", T::Logical},   {"Zähler", T::Integer},
        {"Binär", T::Binary},     {"Bytes", T::Binary}};
    ASSERT_EQ(table->columns().size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table->columns()[i].name, expected[i].name) << i;
        EXPECT_EQ(table->columns()[i].type, expected[i].type) << i;
    }
    EXPECT_EQ(table->rowCount(), 5);
}

// Keyed on its first two fields, the rows come in key order. Dates count days from 1/1/0001 (the
// third row holds day -366, two years before the year 1; Qt counts no year 0); a memo longer than
// its one-byte leader comes from the .MB; unset values are empty, zeros are zeros.
TEST(ParadoxTable, FixtureEveryValue) {
    ForeignProblem problem;
    const auto table = ParadoxTable::open(kFixtures + "/TypSammlung.DB", problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    const QList<QStringList> expected = {
        {"AAA Irgendein Text", "40", "40", "40", "40", "40.000000", "1/1/1970", "12:00:00 AM", "1/1/1970 11:00:00 AM",
         "", "", "1", "", ""},
        {"Erste Zeile", "23", "", "", "", "", "", "", "", "", "False", "3", "", ""},
        {"Fünfter Datensatz", "1.34", "13.002", "", "", "13.123457", "12/31/-0002", "1:10:12 AM",
         "12/31/-0002 1:00:00 AM", "Dies ist eine Memo im 'Fünften Datensat'", "", "5", "", ""},
        {"Null-Werte", "0", "0", "0", "0", "0.000000", "", "", "", "", "", "4", "", ""},
        {"Zweite Zeile", "-40", "-40", "-40", "-40", "-40.000000", "9/9/1999", "11:11:11 AM", "6/10/2003 11:11:11 AM",
         "", "True", "2", "", ""},
    };
    EXPECT_EQ(allRows(*table), expected);
}

// Read only: the files keep their bytes and their time, and no index or other file appears.
TEST(ParadoxTable, ReadingWritesNothing) {
    test::TempFolder folder;
    for (const char* name : {"TypSammlung.DB", "TypSammlung.MB"}) QFile::copy(kFixtures + "/" + name, folder.file(name));
    const auto snapshot = [&] {
        QStringList state;
        for (const QFileInfo& file : QDir(folder.path()).entryInfoList(QDir::Files, QDir::Name)) {
            QFile bytes(file.filePath());
            EXPECT_TRUE(bytes.open(QIODevice::ReadOnly));
            state << file.fileName() + file.lastModified().toString(Qt::ISODateWithMs) + bytes.readAll().toHex();
        }
        return state;
    };
    const QStringList before = snapshot();
    ForeignProblem problem;
    const auto table = ParadoxTable::open(folder.file("TypSammlung.DB"), problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    allRows(*table);
    EXPECT_EQ(snapshot(), before);
}

// A table written by pxlib: a long key (negative values too) and an alpha field, rows put in the
// order given.
void writeKeyedTable(const QString& path, const QList<std::pair<int, QByteArray>>& rows) {
    pxdoc_t* doc = PX_new();
    pxfield_t* fields = static_cast<pxfield_t*>(doc->malloc(doc, 2 * sizeof(pxfield_t), "fields"));
    // pxlib owns the fields and their names from here on.
    fields[0] = {strdup("Number"), pxfLong, 4, 0};
    fields[1] = {strdup("Name"), pxfAlpha, 20, 0};
    ASSERT_EQ(PX_create_file(doc, fields, 2, QFile::encodeName(path).constData(), pxfFileTypIndexDB), 0);
    PX_set_value(doc, "numprimkeys", 1);
    for (const auto& [number, name] : rows) {
        char record[24] = {};
        PX_put_data_long(doc, record, 4, number);
        PX_put_data_alpha(doc, record + 4, 20, const_cast<char*>(name.constData()));
        ASSERT_GE(PX_put_record(doc, record), 0);
    }
    PX_close(doc);
    PX_delete(doc);
}

TEST(ParadoxTable, KeyedTableWrittenOutOfOrderIsReadInKeyOrder) {
    test::TempFolder folder;
    const QString path = folder.file("keyed.db");
    writeKeyedTable(path, {{30, "thirty"}, {-5, "minus five"}, {100, "hundred"}, {7, "seven"}, {-300, "minus 300"}});
    ForeignProblem problem;
    const auto table = ParadoxTable::open(path, problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    const QList<QStringList> expected = {
        {"-300", "minus 300"}, {"-5", "minus five"}, {"7", "seven"}, {"30", "thirty"}, {"100", "hundred"}};
    EXPECT_EQ(allRows(*table), expected);
}

TEST(CodePageText, DecodesByTheHeadersCodePage) {
    const struct {
        int codePage;
        QByteArray bytes;
        const char* text;
    } cases[] = {
        {437, QByteArray("Z\x81hler\0rest", 11), "Zühler"},  // DOS: ü is 0x81; the text ends at its NUL
        {850, "\x9d", "Ø"},
        {1252, "W\xe4hrung", "Währung"},
        {0, "\x84", "ä"},                        // no code page named: written by the DOS programs
        {9999, "\x80", "€"},                     // unknown to the system: read as Windows-1252
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodePageText(c.codePage).decode(c.bytes), QString::fromUtf8(c.text)) << c.codePage;
}

// Copies the fixture into folder, letting change alter the .DB and the .MB first.
void damagedCopy(const test::TempFolder& folder, const std::function<void(QByteArray&, QByteArray&)>& change) {
    QFile db(kFixtures + "/TypSammlung.DB"), mb(kFixtures + "/TypSammlung.MB");
    ASSERT_TRUE(db.open(QIODevice::ReadOnly) && mb.open(QIODevice::ReadOnly));
    QByteArray table = db.readAll(), memos = mb.readAll();
    change(table, memos);
    for (const auto& [name, bytes] : {std::pair{"/T.DB", table}, std::pair{"/T.MB", memos}}) {
        QFile out(folder.path() + name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
}

void put16(QByteArray& bytes, int at, int value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

TEST(ParadoxTable, DamagedFilesAreRefusedNamingTheFault) {
    constexpr int kThirdRowMemoTail = 0xAE2 + 85 + 1;  // row 3, after the memo's one-byte leader
    const struct {
        const char* name;
        std::function<void(QByteArray&, QByteArray&)> change;
        const char* said;
    } cases[] = {
        {"record size lies", [](QByteArray& db, QByteArray&) { put16(db, 0x00, 367); }, "rows of 367 bytes"},
        {"record count lies", [](QByteArray& db, QByteArray&) { put16(db, 0x06, 6); }, "gives 6 rows, its blocks hold 5"},
        {"header size beyond the file", [](QByteArray& db, QByteArray&) { put16(db, 0x02, 0x2000); }, "header size 8192"},
        {"truncated file", [](QByteArray& db, QByteArray&) { db.truncate(3000); }, "gives 1 blocks, the file holds 0"},
        {"block beyond the file", [](QByteArray& db, QByteArray&) { put16(db, 0x0E, 2); }, "block 2"},
        {"block chained to itself", [](QByteArray& db, QByteArray&) { put16(db, 0x800, 1); }, "block 1"},
        {"block fuller than it can be", [](QByteArray& db, QByteArray&) { put16(db, 0x804, 366 * 6); }, "block 1 gives"},
        {"field of an unknown type", [](QByteArray& db, QByteArray&) { db[0x78] = char(0x30); }, "field 1 has the type 48"},
        {"field name without its end", [](QByteArray& db, QByteArray&) { db.replace(0x1D5, 0x800 - 0x1D5, QByteArray(0x800 - 0x1D5, 'x')); },
         "name of field 1"},
        {"memo pointer beyond the .MB",
         [](QByteArray& db, QByteArray&) { db[kThirdRowMemoTail + 1] = char(0x90); }, "row 3"},
        {"memo length beyond its entry", [](QByteArray& db, QByteArray&) { db[kThirdRowMemoTail + 4] = char(200); },
         "does not hold the 200 bytes"},
        {"truncated .MB", [](QByteArray&, QByteArray& mb) { mb.truncate(4096); }, "memo block at 4096"},
        {"unknown code in the version", [](QByteArray& db, QByteArray&) { db[0x39] = char(40); }, "unknown version 40"},
        {"password", [](QByteArray& db, QByteArray&) { db[0x5C] = char(0x5A); }, "protected by a password"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        damagedCopy(folder, c.change);
        ForeignProblem problem;
        EXPECT_FALSE(ParadoxTable::open(folder.file("T.DB"), problem));
        EXPECT_TRUE(problem.message.contains(folder.file("T.DB"))) << problem.message.toStdString();
        EXPECT_TRUE(problem.message.contains(QString::fromUtf8(c.said))) << problem.message.toStdString();
    }
}

TEST(ParadoxTable, MissingMemoFileRefusesTheTable) {
    test::TempFolder folder;
    QFile::copy(kFixtures + "/TypSammlung.DB", folder.file("T.db"));
    ForeignProblem problem;
    EXPECT_FALSE(ParadoxTable::open(folder.file("T.db"), problem));
    EXPECT_TRUE(problem.message.contains("row 3")) << problem.message.toStdString();
}

}  // namespace
}  // namespace vn
