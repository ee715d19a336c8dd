#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"
#include "support/database_damage.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TableDef sample() {
    return {"T", {textField("Key", 10), textField("Name", 5), memoField("Note")}, {{"ByName", {1}}}};
}

struct EngineTest : ::testing::Test {
    EngineTest() {
        db = Database::create(folder.file("t.db"));
        db->createTable(sample());
        table = std::make_unique<Table>(db, "T");
    }
    void add(const QString& key, const QString& name = {}) {
        table->insert(key);
        if (!name.isEmpty()) table->setText(1, name);
    }
    QStringList walk() {
        QStringList keys;
        for (bool more = table->first(); more; more = table->next()) keys << table->text(0);
        return keys;
    }
    test::TempFolder folder;
    std::shared_ptr<Database> db;
    std::unique_ptr<Table> table;
};

TEST(EngineOpen, MissingFileIsAnErrorNamingItAndCreatesNothing) {
    test::TempFolder folder;
    const QString path = folder.file("absent.db");
    try {
        Database::open(path);
        FAIL() << "opened a missing file";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
}

// Every failure says which file and what is wrong with it, the engine's cause named once.
TEST(EngineOpen, ErrorsNameTheFileAndTheCause) {
    test::TempFolder folder;
    QFile junk(folder.file("junk.db"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    QDir().mkpath(folder.file("folder.db"));
    const std::pair<QString, QString> cases[] = {
        {junk.fileName(), "file is not a database"},
        {folder.file("folder.db"), "it is a folder or a device, not a table file"},
    };
    for (const auto& [path, cause] : cases) {
        try {
            Database::open(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message(), "Cannot open " + path + ": " + cause);
        }
    }
}

TEST(EngineOpen, DamageFoundWhileReadingNamesTheFile) {
    test::TempFolder folder;
    const QString path = folder.file("t.db");
    {
        auto db = Database::create(path);
        db->createTable(sample());
        Table t(db, "T");
        for (int i = 0; i < 400; ++i) {
            t.insert(QStringLiteral("k%1").arg(i, 4, 10, QChar('0')));
            t.setText(2, QString(200, 'n'));
        }
    }
    test::zeroTablePage(path, "T");
    auto db = Database::open(path);
    Table t(db, "T");
    try {
        for (bool more = t.first(); more; more = t.next()) {
        }
        FAIL() << "walked a damaged table";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().startsWith(path + ": ") || e.message().contains(QFileInfo(path).absoluteFilePath() + ": "))
            << e.message().toStdString();
    }
}

TEST(EngineOpen, UnknownTableIsAnError) {
    test::TempFolder folder;
    auto db = Database::create(folder.file("t.db"));
    EXPECT_THROW(Table(db, "Nope"), StoreError);
}

TEST(EngineOpen, ExclusiveOpenKeepsOtherWritersOut) {
    test::TempFolder folder;
    const QString path = folder.file("t.db");
    Database::create(path)->createTable(sample());
    auto exclusive = Database::open(path, Database::Access::Exclusive);
    EXPECT_THROW(Table(Database::open(path), "T").insert("a"), StoreError);
}

TEST_F(EngineTest, DescribesFieldsAsDeclared) {
    EXPECT_EQ(table->fieldCount(), 3);
    EXPECT_EQ(table->fieldName(1), "Name");
    EXPECT_EQ(table->fieldSize(1), 5);
    EXPECT_FALSE(table->isMemo(1));
    EXPECT_TRUE(table->isMemo(2));
    EXPECT_EQ(table->fieldNumber("Note"), 2);
    EXPECT_EQ(table->fieldNumber("note"), -1);
}

TEST_F(EngineTest, BadFieldNumbersAreErrors) {
    add("a");
    for (int field : {-1, 3, 100}) {
        EXPECT_THROW(table->text(field), StoreError) << field;
        EXPECT_THROW(table->setText(field, "x"), StoreError) << field;
        EXPECT_THROW(table->fieldSize(field), StoreError) << field;
    }
}

TEST_F(EngineTest, RecordsComeInByteOrderOfTheKey) {
    for (const char* key : {"b", "B", "a", "é", "Z", "10", "9", ""}) add(key);
    EXPECT_EQ(walk(), (QStringList{"", "10", "9", "B", "Z", "a", "b", "é"}));
    EXPECT_EQ(table->count(), 8);
}

TEST_F(EngineTest, NextAtTheEndKeepsTheLastRecord) {
    add("a");
    add("b");
    ASSERT_TRUE(table->first());
    ASSERT_TRUE(table->next());
    EXPECT_FALSE(table->next());
    EXPECT_TRUE(table->atEnd());
    EXPECT_EQ(table->text(0), "b");
}

TEST_F(EngineTest, TextIsCutToTheDeclaredCharacters) {
    struct Case {
        QString in, stored;
        bool whole;
    };
    const Case cases[] = {
        {"abc", "abc", true},          {"abcde", "abcde", true},     {"abcdef", "abcde", false},
        {"ééééé", "ééééé", true},      {"éééééé", "ééééé", false},   {"𝄞𝄞𝄞𝄞𝄞𝄞", "𝄞𝄞𝄞𝄞𝄞", false},
    };
    add("a");
    for (const Case& c : cases) {
        EXPECT_EQ(table->setText(1, c.in), c.whole) << c.in.toStdString();
        ASSERT_TRUE(table->findKey("a"));
        EXPECT_EQ(table->text(1), c.stored) << c.in.toStdString();
    }
    EXPECT_EQ(table->cutCount(), 3);
}

TEST_F(EngineTest, MemoKeepsLongTextWithItsLineEnds) {
    add("a");
    const QString memo = QString("line one\r\nline two\n").repeated(500);
    EXPECT_TRUE(table->setText(2, memo));
    Table other(db, "T");
    ASSERT_TRUE(other.findKey("a"));
    EXPECT_EQ(other.text(2), memo);
}

TEST_F(EngineTest, FailedLookupLeavesTheFirstRecordReadableButNotWritable) {
    add("m", "mm");
    add("c", "cc");
    EXPECT_FALSE(table->findKey("x"));
    EXPECT_EQ(table->text(0), "c");
    EXPECT_THROW(table->setText(1, "zz"), StoreError);
    EXPECT_THROW(table->remove(), StoreError);
    ASSERT_TRUE(table->findKey("c"));
    EXPECT_EQ(table->text(1), "cc");
}

TEST_F(EngineTest, WritingToAnEmptyTableNeverCreatesABlankRow) {
    EXPECT_FALSE(table->findKey("x"));
    EXPECT_EQ(table->text(1), "");
    EXPECT_THROW(table->setText(1, "x"), StoreError);
    EXPECT_EQ(table->count(), 0);
}

TEST_F(EngineTest, DuplicateKeyIsAKeyViolation) {
    add("a", "first");
    EXPECT_THROW(add("a"), StoreError);
    ASSERT_TRUE(table->findKey("a"));
    EXPECT_EQ(table->text(1), "first");
}

TEST_F(EngineTest, KeyLongerThanItsFieldIsRefused) {
    EXPECT_THROW(add("abcdefghijk"), StoreError);
    EXPECT_EQ(table->count(), 0);
}

TEST_F(EngineTest, SeekNearestLandsOnTheFirstGreaterOrEqualKey) {
    for (const char* key : {"b", "d", "f"}) add(key);
    struct Case {
        QString seek, lands;
    };
    for (const Case& c : {Case{"a", "b"}, Case{"d", "d"}, Case{"e", "f"}, Case{"g", "f"}}) {
        EXPECT_TRUE(table->seekNearest(c.seek));
        EXPECT_EQ(table->text(0), c.lands) << c.seek.toStdString();
    }
}

TEST_F(EngineTest, RemoveMakesTheFollowingRecordCurrent) {
    for (const char* key : {"a", "b", "c"}) add(key);
    ASSERT_TRUE(table->findKey("b"));
    table->remove();
    EXPECT_EQ(table->text(0), "c");
    table->remove();
    EXPECT_EQ(table->text(0), "a");
    EXPECT_TRUE(table->atEnd());
    EXPECT_EQ(walk(), QStringList{"a"});
}

TEST_F(EngineTest, SecondaryIndexWalksInItsOwnOrder) {
    add("k1", "zed");
    add("k2", "amy");
    add("k3", "amy");
    add("k4", "bob");
    table->selectIndex("ByName");
    EXPECT_EQ(walk(), (QStringList{"k2", "k3", "k4", "k1"}));
    EXPECT_THROW(table->selectIndex("Nope"), StoreError);
    table->findKey("k1");  // a lookup returns to the primary key
    EXPECT_EQ(table->indexName(), "");
}

TEST_F(EngineTest, WalkSeesRecordsChangedBetweenSteps) {
    for (const char* key : {"a", "c", "e"}) add(key);
    ASSERT_TRUE(table->first());
    Table other(db, "T");
    other.insert("b");
    other.insert("d");
    ASSERT_TRUE(other.findKey("c"));
    other.remove();
    QStringList seen{table->text(0)};
    while (table->next()) seen << table->text(0);
    EXPECT_EQ(seen, (QStringList{"a", "b", "d", "e"}));
}

TEST_F(EngineTest, CommittedTransactionWritesEverything) {
    {
        Transaction tx(*db);
        add("a", "one");
        add("b", "two");
        table->setText(1, "three");
        tx.commit();
    }
    Table other(db, "T");
    ASSERT_TRUE(other.findKey("b"));
    EXPECT_EQ(other.text(1), "three");
    EXPECT_EQ(other.count(), 2);
}

TEST_F(EngineTest, RolledBackTransactionLeavesNothing) {
    add("a", "keep");
    {
        Transaction tx(*db);
        add("b", "gone");
        ASSERT_TRUE(table->findKey("a"));
        table->setText(1, "lost");
    }
    EXPECT_EQ(walk(), QStringList{"a"});
    ASSERT_TRUE(table->findKey("a"));
    EXPECT_EQ(table->text(1), "keep");
}

// A write to a row found by key leaves the fields not yet read to be read from the file.
TEST_F(EngineTest, AFieldWrittenInATransactionLeavesTheOthersReadable) {
    add("a", "name");
    table->findKey("a");
    table->setText(2, "first note");
    {
        Transaction tx(*db);
        ASSERT_TRUE(table->findKey("a"));
        EXPECT_EQ(table->text(1), "name");  // read from the stream: the note is not
        table->setText(1, "other");
        EXPECT_EQ(table->text(2), "first note");
        EXPECT_EQ(table->text(1), "other");
        table->setText(2, "second note");
        ASSERT_TRUE(table->findKey("a"));
        EXPECT_EQ(table->text(2), "second note");
        tx.commit();
    }
    Table other(db, "T");
    ASSERT_TRUE(other.findKey("a"));
    EXPECT_EQ(other.text(1), "other");
    EXPECT_EQ(other.text(2), "second note");
}

TEST_F(EngineTest, ChangesInATransactionAreSeenByEveryReader) {
    Transaction tx(*db);
    add("a", "new");
    Table other(db, "T");
    ASSERT_TRUE(other.findKey("a"));
    EXPECT_EQ(other.text(1), "new");
    EXPECT_EQ(other.count(), 1);
    tx.commit();
}

TEST_F(EngineTest, PackKeepsRecordsAndKeys) {
    for (int i = 0; i < 200; ++i) add(QString::number(1000 + i), "n");
    for (int i = 0; i < 200; i += 2) {
        ASSERT_TRUE(table->findKey(QString::number(1000 + i)));
        table->remove();
    }
    const QStringList before = walk();
    db->pack();
    EXPECT_EQ(walk(), before);
    EXPECT_EQ(before.size(), 100);
}

TEST_F(EngineTest, CopyIsACompleteDatabase) {
    add("a", "one");
    const QString copy = folder.file("copy.db");
    db->copyTo(copy);
    Table t(Database::open(copy), "T");
    ASSERT_TRUE(t.findKey("a"));
    EXPECT_EQ(t.text(1), "one");
}

}  // namespace
