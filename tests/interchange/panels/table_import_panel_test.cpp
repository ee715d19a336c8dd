// The table import views' rules on a temporary store, with outside tables held in memory: what each
// view opens with, choosing a file or an Access table, the mapping by clicks, the import, and the
// sibling files view over a temporary folder.
#include "interchange/panels/sibling_files_panel.h"
#include "interchange/panels/table_import_panel.h"
#include "interchange/panels/import_texts.h"
#include "interchange/panels/table_import_texts.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"

#include "../fake_foreign_table.h"
#include "entry/session/session_fixture.h"
#include "lists/definitions/definition_rows.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace vn {

namespace {

namespace fdis = definition_tables::fdis;

constexpr FieldRef kFirst{0, 2};
constexpr FieldRef kLast{0, 4};
constexpr FieldRef kCity{0, 13};
const QString kFirstKey = "abcwyalb000100000";

struct Host : PanelHost {
    void redraw() override {}
    void keepResponsive() override {}
};

// The tables the fake readers know, by path (and, for a data base, "path|table").
struct Readers {
    struct Call {
        TableSource kind;
        QString path, table;
    };
    QMap<QString, std::pair<QStringList, QList<QStringList>>> tables;  // column names, rows
    QMap<QString, QStringList> dataBases;
    QList<Call> calls;
    int failAtRow = -1;

    ForeignReaders readers() {
        return {[this](TableSource kind, const QString& path, const QString& table, ForeignProblem& problem)
                    -> std::unique_ptr<ForeignTable> {
                    calls.append({kind, path, table});
                    const QString name = table.isEmpty() ? path : path + "|" + table;
                    if (!tables.contains(name)) {
                        problem.message = name + ": not a table";
                        return nullptr;
                    }
                    QList<ForeignColumn> columns = test::textColumns(tables[name].first);
                    if (columns.last().name == "PHOTO") columns.last().type = ForeignType::Binary;
                    auto fake = std::make_unique<test::FakeForeignTable>(columns, tables[name].second);
                    fake->failAt(failAtRow);
                    return fake;
                },
                [this](const QString& path, ForeignProblem& problem) {
                    if (!dataBases.contains(path)) problem.message = path + ": not a data base";
                    return dataBases.value(path);
                }};
    }
};

class TableImportPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecordAccess& a = f.access;
        // Page 1: text "Phone" (slot 2, number 1), a check box, a memo "Notes" (number 3), text
        // "Email2" (slot 1, number 4), a deleted text; page 4: text "Badge"; pages 2, 3 an inactive field.
        test::putDefinition(a, definitionKey("abc", 1, 1), int(FieldKind::Text), 2, {{fdis::kCaption, "Phone"}});
        test::putDefinition(a, definitionKey("abc", 1, 2), int(FieldKind::CheckBox), 1, {{fdis::kCaption, "Member"}});
        test::putDefinition(a, definitionKey("abc", 1, 3), int(FieldKind::Memo), 1, {{fdis::kCaption, "Notes"}});
        test::putDefinition(a, definitionKey("abc", 1, 4), int(FieldKind::Text), 1, {{fdis::kCaption, "Email2"}});
        test::putDefinition(a, definitionKey("abc", 1, 5), int(FieldKind::Text), 3, {{fdis::kCaption, "Gone"}, {fdis::kActive, "0"}});
        for (int page : {2, 3})
            test::putDefinition(a, definitionKey("abc", page, 1), int(FieldKind::Text), 1, {{fdis::kActive, "0"}});
        test::putDefinition(a, definitionKey("abc", 4, 1), int(FieldKind::Text), 5, {{fdis::kCaption, "Badge"}});
        f.session.identity.stateCode = "wy";
        f.session.identity.countyCode = "ALB";
        f.session.identity.operationalLevel = 1;
        f.session.currentListCode = "abc";
        f.session.currentListTitle = "Members";
        f.session.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(a, "abc"));
        fake.tables["/in/people.dbf"] = {{"LAST", "FIRST", "NOTES", "PHOTO"}, {{"Smith", "Ann", "long memo", "x"}, {"Jones", "Bo", "", "y"}}};
    }
    void openPeople() {
        ASSERT_TRUE(panel.open(TableSource::DBase));
        panel.chooseFile("/in/people.dbf");
    }
    void map(int column, FieldRef target) {
        panel.clickSource(column - 1);
        panel.clickTarget(target);
    }
    FieldRef pageTarget(int page, int row) const { return s().pageTargets[std::size_t(page - 1)].at(row).target; }
    QString field(int slot, const QString& key, int number) {
        return f.access.FindRecord(slot, key) ? f.access.GetFieldText(slot, number) : QString("(none)");
    }
    QString lastMessage() const { return f.prompter.messages.isEmpty() ? QString() : f.prompter.messages.last().text; }
    const TableImportState& s() const { return panel.state(); }

    test::SessionFixture f;
    Host host;
    Readers fake;
    TableImportPanel panel{f.session, host, fake.readers()};
};

TEST_F(TableImportPanelTest, EachViewOpensWithItsCaptionsTheHeaderAndEveryPagesTextAndMemoFields) {
    const struct {
        TableSource kind;
        const char *caption, *find, *source, *name;
    } cases[] = {{TableSource::Paradox, "Import Paradox Data...", "Find Paradox Import Data File", "Field Names In Selected File...", "Paradox"},
                 {TableSource::DBase, "Import DBase Data...", "Find DBase Import Data File", "Field Names In Selected File...", "DBase"},
                 {TableSource::Access, "Import Access Data...", "Find Access Import Data Base", "Tables found in Data Base...", "Access"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(panel.open(c.kind));
        EXPECT_EQ(s().caption, c.caption);
        EXPECT_EQ(s().findCaption, c.find);
        EXPECT_EQ(s().sourceCaption, c.source);
        EXPECT_TRUE(s().findEnabled);
        panel.instructions();
        EXPECT_TRUE(lastMessage().startsWith(QString("Map fields from the selected %1 import file to fields").arg(c.name)));
    }
    EXPECT_TRUE(lastMessage().endsWith("map too.  Note: It is possible to map a selected import field to more than one Varnedo field."));
    EXPECT_EQ(s().listCode, "abc");
    EXPECT_EQ(s().headerTargets[2].caption, "M.I.");
    EXPECT_EQ(s().headerTargets[8].caption, "Position/Ti");
    EXPECT_EQ(s().pageCaptions[0], "Fld    Page One Fields...");
    EXPECT_EQ(s().pageCaptions[5], "Fld    Page Six Fields...");
    QStringList page1;
    for (const TargetBox& t : s().pageTargets[0]) page1 << t.caption;
    EXPECT_EQ(page1, QStringList({"Phone", "Notes", "Email2"}));
    EXPECT_EQ(pageTarget(1, 1), (FieldRef{1, kMemoColumn}));
    EXPECT_EQ(pageTarget(4, 0), (FieldRef{4, 5}));
    EXPECT_TRUE(s().pageTargets[1].isEmpty());

    f.session.currentListCode.clear();
    EXPECT_FALSE(panel.open(TableSource::DBase));
    EXPECT_EQ(lastMessage(), importNeedsList());
}

TEST_F(TableImportPanelTest, AChosenFileListsItsColumnsAndAnUnreadableOneChangesNothing) {
    openPeople();
    EXPECT_EQ(s().fileName, "/in/people.dbf");
    ASSERT_EQ(s().sourceEntries.size(), 4);
    EXPECT_EQ(s().sourceEntries[1].text, "2    FIRST");
    EXPECT_FALSE(s().sourceEntries[3].mappable);
    ASSERT_EQ(fake.calls.size(), 1);
    EXPECT_EQ(fake.calls[0].kind, TableSource::DBase);

    panel.clickSource(3);  // binary data: not selected
    EXPECT_EQ(s().selectedColumn, 0);
    EXPECT_EQ(lastMessage(), columnNotMappable("PHOTO"));

    panel.chooseFile("");  // a cancelled dialog
    panel.chooseFile("/in/broken.dbf");
    EXPECT_EQ(lastMessage(), tableNotReadable("/in/broken.dbf: not a table"));
    EXPECT_EQ(s().fileName, "/in/people.dbf");
    EXPECT_EQ(s().sourceEntries.size(), 4);
}

TEST_F(TableImportPanelTest, ClicksMapAColumnToSeveralTargetsAndUnmapThem) {
    openPeople();
    EXPECT_FALSE(s().clearEnabled);
    EXPECT_FALSE(s().saveEnabled);
    const int focus = s().focusRequest;
    map(2, kFirst);
    map(2, pageTarget(1, 0));
    map(1, kLast);
    map(1, kFirst);  // a target takes one column: First now shows column 1
    EXPECT_EQ(s().headerTargets[1].field, 1);
    EXPECT_EQ(s().pageTargets[0][0].field, 2);
    EXPECT_EQ(s().mappingCount, 3);
    EXPECT_TRUE(s().sourceEntries[0].marked && s().sourceEntries[1].marked && !s().sourceEntries[2].marked);
    EXPECT_EQ(s().focusRequest, focus + 4);
    EXPECT_TRUE(s().clearEnabled && s().saveEnabled && !s().importEnabled);

    panel.clickTarget(kCity);  // nothing selected, nothing mapped: stays so
    EXPECT_EQ(s().mappingCount, 3);
    panel.clickTarget(kFirst);  // nothing selected: unmaps
    EXPECT_EQ(s().headerTargets[1].field, 0);
    EXPECT_EQ(s().mappingCount, 2);

    panel.saveMapping();
    EXPECT_TRUE(s().importEnabled && !s().saveEnabled);
    map(3, pageTarget(1, 1));  // a change asks for another save
    EXPECT_FALSE(s().importEnabled);
    EXPECT_TRUE(s().saveEnabled);
    panel.clearMapping();
    EXPECT_EQ(s().mappingCount, 0);
    EXPECT_FALSE(s().clearEnabled || s().saveEnabled || s().importEnabled);
}

TEST_F(TableImportPanelTest, AnAccessDataBaseListsItsTablesThenTheChosenTablesColumns) {
    fake.dataBases["/in/shop.mdb"] = {"Customers", "Orders"};
    fake.tables["/in/shop.mdb|Orders"] = {{"ID", "WHO"}, {{"1", "Kim"}}};
    ASSERT_TRUE(panel.open(TableSource::Access));
    panel.chooseFile("/in/missing.mdb");
    EXPECT_EQ(lastMessage(), tableNotReadable("/in/missing.mdb: not a data base"));
    panel.chooseFile("/in/shop.mdb");
    EXPECT_TRUE(s().listingTables);
    EXPECT_EQ(s().sourceNote, "Select the desired table for data import from the list above.");
    ASSERT_EQ(s().sourceEntries.size(), 2);
    EXPECT_EQ(s().sourceEntries[1].text, "Orders");
    panel.clickTarget(kLast);  // no column yet
    EXPECT_EQ(s().mappingCount, 0);

    panel.clickSource(1);
    EXPECT_FALSE(s().listingTables);
    EXPECT_EQ(s().sourceCaption, "Field Names In Selected Table...");
    EXPECT_TRUE(s().sourceNote.isEmpty());
    EXPECT_EQ(s().fileName, "/in/shop.mdb Table = Orders");
    EXPECT_EQ(s().sourceEntries[1].text, "2    WHO");
    map(2, kLast);
    panel.saveMapping();
    panel.importData();
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "Kim");
    EXPECT_EQ(fake.calls.last().table, "Orders");
    EXPECT_EQ(fake.calls.last().kind, TableSource::Access);
}

TEST_F(TableImportPanelTest, ImportDataMakesARecordOfEveryRowThenClearsTheMapping) {
    openPeople();
    map(1, kLast);
    map(2, kFirst);
    map(2, pageTarget(4, 0));
    map(3, pageTarget(1, 1));
    panel.saveMapping();
    panel.importData();
    EXPECT_EQ(lastMessage(), "2 records imported.");
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "Smith");
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 2), "Ann");
    EXPECT_EQ(field(pageSlot(4), kFirstKey, 5), "Ann");
    EXPECT_EQ(field(pageSlot(1), kFirstKey, kMemoColumn), "long memo");
    EXPECT_EQ(field(kHeadSlot, "abcwyalb000200000", 4), "Jones");
    EXPECT_EQ(s().mappingCount, 0);
    EXPECT_FALSE(s().importEnabled);
}

TEST_F(TableImportPanelTest, ARowTheReaderRefusesOrAChangedTableImportsNothing) {
    openPeople();
    map(1, kLast);
    panel.saveMapping();
    fake.failAtRow = 1;
    panel.importData();
    EXPECT_EQ(lastMessage(), importStopped("/in/people.dbf, row 2: block 3 is damaged"));
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "(none)");
    EXPECT_TRUE(s().importEnabled);  // the mapping stays for another try

    fake.failAtRow = -1;
    fake.tables["/in/people.dbf"].first = QStringList{"LAST", "FIRST"};
    panel.importData();
    EXPECT_EQ(lastMessage(), tableChanged("/in/people.dbf"));
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "(none)");
}

TEST_F(TableImportPanelTest, TheSiblingFilesViewListsEveryTableFileOfTheStateInAnyCase) {
    const QString base = QDir(f.tmp.path()).filePath("hlv");
    const QString folder = base + "/Pavilo/wy";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"Zeta.DB", "alpha.db", "Mixed.Db", "notes.txt", "dbfile"}) {
        QFile file(folder + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    SiblingFilesPanel siblings(f.session);
    EXPECT_FALSE(siblings.available(1));
    EXPECT_FALSE(siblings.open(1));
    f.session.siblings[1].found = true;
    f.session.siblings[1].base = base;
    ASSERT_TRUE(siblings.open(1));
    EXPECT_EQ(siblings.state().caption, "Halvorin Pavilo Data Tables...");
    EXPECT_EQ(siblings.state().files, QStringList({"alpha.db", "Mixed.Db", "Zeta.DB"}));
    const QString chosen = siblings.pathOf(2);
    EXPECT_EQ(chosen, folder + "/Zeta.DB");

    fake.tables[chosen] = {{"NAME"}, {{"Orr"}}};
    ASSERT_TRUE(panel.openSibling(chosen));
    EXPECT_EQ(s().caption, "Import Paradox Data...");
    EXPECT_FALSE(s().findEnabled);
    EXPECT_EQ(s().sourceEntries.size(), 1);
    EXPECT_EQ(fake.calls.last().kind, TableSource::Sibling);
}

}  // namespace

}  // namespace vn
