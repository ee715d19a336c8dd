#include "store/catalogue/table_catalogue.h"
#include "store/engine/store_error.h"
#include "store/schema/schema.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(TableCatalogue, SlotsKeepTheirNamesDescriptionsAndFileNames) {
    struct Case {
        int slot;
        QString shortName, description, fileName;
    };
    const Case cases[] = {
        {1, "Temp", "Temp Use", "Temp1.db"},
        {2, "Syst", "System Control Data", "System.db"},
        {3, "Parm", "Parameters", "Parm1.db"},
        {14, "Pag1", "Page One Data", "Pag11.db"},
        {23, "Link", "Link Data", "Link1.db"},
        {25, "Tdat", "Table Constuction Data", "Tdat1.db"},
        {28, "Pag6", "Page Six Data", "Pag61.db"},
        {31, "Dbas", "DBase Import/Export", "Dbas1.db"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TableCatalogue::shortName(c.slot), c.shortName);
        EXPECT_EQ(TableCatalogue::description(c.slot), c.description);
        EXPECT_EQ(TableCatalogue::fileName(c.slot), c.fileName);
        EXPECT_EQ(TableCatalogue::slotOfFileName(c.fileName), c.slot);
        EXPECT_LE(TableCatalogue::description(c.slot).size(), 43);
    }
    EXPECT_EQ(TableCatalogue::slotOfFileName("pag11.DB"), 14);
    EXPECT_EQ(TableCatalogue::slotOfFileName("Pag1.db"), 0);
    EXPECT_EQ(TableCatalogue::info(23).entryWidth, 17);
    EXPECT_EQ(TableCatalogue::info(22).entryWidth, 0);
    EXPECT_THROW(TableCatalogue::info(0), StoreError);
    EXPECT_THROW(TableCatalogue::info(32), StoreError);
}

TEST(TableCatalogue, LegacyFileNamesMapOntoTheDataSetDatabase) {
    const TableLocation pag1 = TableLocation::fromFileName("/d", "Pag11.db");
    EXPECT_EQ(pag1.databasePath, "/d/Varnedo1.db");
    EXPECT_EQ(pag1.table, "Pag1");
    EXPECT_EQ(TableLocation::fromFileName("/d", "System.db").table, "System");
}

TEST(TableCatalogue, ReopenDataTablesOpensSlots3To28InOrderAndLogsEach) {
    test::StoreFixture store;
    QStringList log;
    store.catalogue.ReopenDataTables(store.dataFolder(), [&](const QString& line) { log << line; });
    ASSERT_EQ(log.size(), 26);
    EXPECT_EQ(log.first(), "Open data table 3 [Parm]");
    EXPECT_EQ(log.at(11), "Open data table 14 [Pag1]");
    EXPECT_EQ(log.last(), "Open data table 28 [Pag6]");
    for (int slot = 3; slot <= 28; ++slot) {
        EXPECT_TRUE(store.catalogue.isOpen(slot));
        EXPECT_EQ(store.catalogue.fileBaseName(slot), TableCatalogue::shortName(slot));
    }
}

TEST(TableCatalogue, OpeningAMissingTableFileIsAnErrorNamingIt) {
    test::TempFolder folder;
    TableCatalogue catalogue;
    try {
        catalogue.ReopenDataTables(folder.path(), {});
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(folder.file("Varnedo1.db"))) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(folder.file("Varnedo1.db")));
}

TEST(Schema, HoldsTheSystemTableAndTheDataTables) {
    const auto& tables = schema::allTables();
    ASSERT_EQ(tables.size(), 28);
    EXPECT_EQ(tables.at(1).name, "System");
    for (int slot = 3; slot <= 28; ++slot) EXPECT_EQ(tables.at(slot - 1).name, TableCatalogue::tableName(slot));
}

TEST(Schema, DeltaFollowsTheCarriedFields) {
    struct Case {
        QString table;
        int delta;
    };
    const Case cases[] = {{"Parm", 18}, {"List", 18}, {"Fdis", 32}, {"Tdat", 26}, {"Head", 26},
                          {"Pag1", 122}, {"Pag6", 122}, {"Selc", 2},  {"Dsli", 2},  {"Help", 2},
                          {"Queu", 247}, {"Link", 6},   {"Labe", 10}, {"Coun", 3},  {"Dist", 5}};
    for (const Case& c : cases) EXPECT_EQ(schema::deltaField(c.table), c.delta) << c.table.toStdString();
    EXPECT_GE(schema::table("Head").fields.size(), 30);
    EXPECT_EQ(schema::deltaField("System"), -1);
}

TEST(Schema, RecordColumnsSitWhereTheLayoutsPutThem) {
    struct Case {
        QString table;
        int field;
        QString name;
        int size;
    };
    const Case cases[] = {
        {"Head", 0, "Key", 20},       {"Head", 4, "Last", 40},     {"Head", 15, "Zip", 10},
        {"Head", 25, "SourceKey8", 8}, {"Pag1", 20, "Text20", 90}, {"Pag1", 21, "Check1", 1},
        {"Pag1", 61, "Radio1", 2},     {"Pag1", 71, "Cell1", 60},  {"Pag1", 120, "Cell50", 60},
        {"Fdis", 4, "Caption", 90},    {"Fdis", 14, "Button1", 30}, {"Fdis", 31, "Colour", 5},
        {"Tdat", 16, "Row1", 30},      {"Selc", 0, "Key", 96},     {"List", 15, "Desc", 232},
        {"List", 14, "Instructions", 222}, {"Queu", 7, "Open1", 5}, {"Queu", 246, "Connector30", 5},
        {"Pinf", 2, "PrintPage1", 5},  {"Sinf", 4, "SortOrder1", 5}, {"Parm", 17, "Locked", 1},
    };
    for (const Case& c : cases) {
        const FieldDef& f = schema::table(c.table).fields.at(c.field);
        EXPECT_EQ(f.name, c.name) << c.table.toStdString() << c.field;
        EXPECT_EQ(f.size, c.size) << c.table.toStdString() << c.field;
    }
    EXPECT_TRUE(schema::table("Pag1").fields.at(121).memo);
}

TEST(Schema, ReferenceInDocsIsUpToDate) {
    QFile doc(QStringLiteral(VARNEDO_SOURCE_DIR "/docs/schema.md"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly)) << "regenerate with: varnedo --schema-reference > docs/schema.md";
    EXPECT_EQ(QString::fromUtf8(doc.readAll()), schema::markdown())
        << "regenerate with: varnedo --schema-reference > docs/schema.md";
}

TEST(Schema, HeadHasTheNameAndTimeIndexes) {
    test::StoreFixture store;
    Table& head = store.catalogue.table(11);
    store.addRecords(11, {"k1", "k2", "k3"});
    const QString last[] = {"Young", "Adams", "Baker"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(head.findKey(QStringLiteral("k%1").arg(i + 1)));
        head.setText(4, last[i]);
        head.setText(27, QStringLiteral("2026-0%1").arg(3 - i));
    }
    QStringList byName;
    head.selectIndex("NameIndex");
    for (bool more = head.first(); more; more = head.next()) byName << head.text(4);
    EXPECT_EQ(byName, (QStringList{"Adams", "Baker", "Young"}));
    QStringList byTime;
    head.selectIndex("Time");
    for (bool more = head.first(); more; more = head.next()) byTime << head.text(0);
    EXPECT_EQ(byTime, (QStringList{"k3", "k2", "k1"}));
}

}  // namespace
