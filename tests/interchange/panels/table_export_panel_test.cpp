// The rules of window 12's Paradox and dBase views on a temporary installation: the structure by
// field, the table's name and folder, an existing table in any case, and the runs (Paradox read
// back by pxlib; dBase through a recording writer).
#include "../tables/paradox_oracle.h"
#include "export_panel_fixture.h"
#include "interchange/panels/table_export_panel.h"
#include "interchange/tables/new_table_writers.h"
#include "store/engine/store_error.h"

#include <functional>
#include <gtest/gtest.h>

namespace vn::test {

namespace {

constexpr int kFirst = 2, kLast = 4, kCity = 13;
const QString kOne = "abcwyalb000100000", kTwo = "abcwyalb000200000", kThree = "abcwyalb000300000";

// What a writer was given; fails or acts at a row when told.
struct RecordingWriter : NewTableWriter {
    struct Log {
        QString path;
        QList<NewTableField> fields;
        QList<QList<QByteArray>> rows;
        bool committed = false;
    };
    explicit RecordingWriter(Log& log, std::function<void(int)> atRow) : log(log), atRow(std::move(atRow)) {}
    void create(const QString& path, const QList<NewTableField>& fields) override { pending = {path, fields, {}, false}; }
    void addRow(const QList<QByteArray>& values) override {
        if (atRow) atRow(int(pending.rows.size()));
        pending.rows << values;
    }
    void commit() override {
        pending.committed = true;
        log = pending;
    }
    Log& log;
    Log pending;
    std::function<void(int)> atRow;
};

// Page 1: a text field "City" (slot 4), a deleted text field, a memo; page 2 and page 5: a text
// field "Grade" each; a check box on page 2 (never listed).
struct TableExportPanelTest : ::testing::Test, ExportPanelFixture {
    TableExportPanelTest() {
        define(1, 1, FieldKind::Text, 4, "City");
        define(1, 2, FieldKind::Text, 5, "Gone", false);
        define(1, 3, FieldKind::Memo, 1, "Notes");
        define(2, 1, FieldKind::CheckBox, 1, "Paid");
        define(2, 2, FieldKind::Text, 1, "Grade");
        define(5, 1, FieldKind::Text, 2, "Grade");
        session.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(access, "abc"));
        putRow(kHeadSlot, kTwo, {{kLast, "Smith"}, {kFirst, "Jo"}, {kCity, "Laramie"}});
        putRow(kHeadSlot, kOne, {{kLast, QString::fromUtf8("Müller 😀")}, {kCity, "Casper"}});
        putRow(kHeadSlot, "abdwyalb000100000", {{kLast, "Other list"}});
        putRow(kPag1Slot, kOne, {{4, "Cody"}, {121, QString(200, 'm')}});
        putRow(kPag2Slot, kOne, {{1, "A"}});
        putRow(kPag5Slot, kOne, {{2, "B+"}});
        putRow(kPag2Slot, kTwo, {{1, "C"}});  // no page 1 or page 5 row
        QDir().mkpath(tableFolder());
    }
    QString tableFolder() const { return QDir(session.folders.base()).filePath("vn"); }
    TableExportPanel& open(TableFormat format) {
        table = std::make_unique<TableExportPanel>(session, host, format, [this](TableFormat f) -> std::unique_ptr<NewTableWriter> {
            if (f == TableFormat::Dbase) return std::make_unique<RecordingWriter>(dbase, atRow);
            return makeNewTableWriter(f);
        });
        EXPECT_TRUE(table->open());
        return *table;
    }
    // Last, First, the page field City, the header City, both Grades, the memo.
    void chooseFields() {
        table->clickHeader(kLast);
        table->clickHeader(kFirst);
        table->clickPageEntry(1, 0);
        table->clickHeader(kCity);
        table->clickPageEntry(2, 0);
        table->clickPageEntry(5, 0);
        table->clickPageEntry(1, 1);
    }
    void touch(const QString& name) {
        QFile file(QDir(tableFolder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    RecordingWriter::Log dbase;
    std::function<void(int)> atRow;
    std::unique_ptr<TableExportPanel> table;
};

TEST_F(TableExportPanelTest, theViewListsHeaderNamesAndEachPagesActiveTextAndMemoFields) {
    const TableExportState& state = open(TableFormat::Paradox).state();
    EXPECT_EQ(state.title, "Export to Paradox Table...");
    EXPECT_EQ(state.fileNameCaption, "Enter New Paradox File Name...");
    EXPECT_TRUE(state.instructions.contains("in the new Paradox table.  Click [Clear Field Structure] to start over."));
    EXPECT_EQ(state.headerNames.size(), 15);
    EXPECT_EQ(state.headerNames[5], "H. Phone");
    EXPECT_EQ(state.pageLists[0], (QStringList{"City", "Notes"}));
    EXPECT_EQ(state.pageLists[1], (QStringList{"Grade"}));
    EXPECT_EQ(state.pageLists[4], (QStringList{"Grade"}));
    EXPECT_EQ(state.fileName, "abc");
    EXPECT_FALSE(state.clearEnabled || state.createEnabled || state.exportEnabled);
    EXPECT_EQ(open(TableFormat::Dbase).state().title, "Export to DBase Table...");
}

TEST_F(TableExportPanelTest, theStructureHoldsFieldsNotCaptionsAndWarnsOfTheSameFieldTwice) {
    open(TableFormat::Paradox);
    chooseFields();
    EXPECT_EQ(table->structure().fields(),
              (QList<FieldRef>{{0, kLast}, {0, kFirst}, {1, 4}, {0, kCity}, {2, 1}, {5, 2}, {1, 121}}));
    EXPECT_EQ(table->state().structure,
              (QStringList{"Last", "First", "City", "City_2  (City)", "Grade", "Grade_2  (Grade)", "Notes"}));
    EXPECT_TRUE(prompter.messages.isEmpty());
    table->clickPageEntry(2, 0);
    table->clickHeader(kLast);
    EXPECT_EQ(prompter.texts(), (QStringList{"This field has been mapped!", "This field has been mapped!"}));
    EXPECT_EQ(prompter.beeps, 2);
    EXPECT_EQ(table->structure().entries().size(), 7);
    table->clickStructure(0);
    EXPECT_EQ(table->state().structure.first(), "First");
}

TEST_F(TableExportPanelTest, buttonsFollowEachChange) {
    open(TableFormat::Paradox);
    auto enabled = [this] {
        const TableExportState& s = table->state();
        return std::vector<bool>{s.clearEnabled, s.createEnabled, s.exportEnabled};
    };
    table->clickHeader(kLast);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false}));
    table->createTable();
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
    table->clickHeader(kFirst);  // the table made has the old structure
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false}));
    table->editFileName("");
    EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false}));
    table->clearStructure();
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false}));
}

TEST_F(TableExportPanelTest, aParadoxTableIsMadeAndFilledInTheVnFolder) {
    open(TableFormat::Paradox);
    chooseFields();
    table->editFileName("grades.xls");
    table->enterFileName();
    EXPECT_EQ(table->takeFocus(), TableExportFocus::CreateTable);
    table->createTable();
    const QString db = QDir(tableFolder()).filePath("grades.db");
    EXPECT_TRUE(readParadox(db, QDir(tableFolder()).filePath("grades.px")).rows.isEmpty());
    table->exportData();
    EXPECT_FALSE(table->state().exportEnabled);
    EXPECT_EQ(prompter.texts(), (QStringList{"The new Paradox data table [" + db + "] has been created and populated.\r"
                                             "1 values were cut to 30 characters; 1 characters outside Windows-1252 were written as \"?\"."}));
    const ParadoxTable read = readParadox(db, QDir(tableFolder()).filePath("grades.px"));
    EXPECT_EQ(read.fieldNames, (QStringList{"Key", "Last", "First", "City", "City_2", "Grade", "Grade_2", "Notes"}));
    ASSERT_EQ(read.rows.size(), 2);
    EXPECT_EQ(read.rows[0], (QList<QByteArray>{kOne.toLatin1(), "M\xfcller ?", "", "Cody", "Casper", "A", "B+", QByteArray(30, 'm')}));
    EXPECT_EQ(read.rows[1], (QList<QByteArray>{kTwo.toLatin1(), "Smith", "Jo", "", "Laramie", "C", "", ""}));
    EXPECT_EQ(read.findThroughIndex(kTwo.toLatin1()), 1);
}

TEST_F(TableExportPanelTest, aDbaseTableGoesThroughItsWriterWithDbaseNames) {
    open(TableFormat::Dbase);
    chooseFields();
    table->editFileName("grades");
    table->createTable();
    EXPECT_TRUE(dbase.committed);
    EXPECT_TRUE(dbase.rows.isEmpty());
    EXPECT_EQ(dbase.path, QDir(tableFolder()).filePath("grades.dbf"));
    QStringList names;
    for (const NewTableField& field : dbase.fields) names << field.name;
    EXPECT_EQ(names, (QStringList{"Key", "LAST", "FIRST", "CITY", "CITY_2", "GRADE", "GRADE_2", "NOTES"}));
    table->exportData();
    ASSERT_EQ(dbase.rows.size(), 2);
    EXPECT_EQ(dbase.rows[1].value(4), "Laramie");
    EXPECT_TRUE(prompter.texts().value(0).startsWith("The new DBase data table [" + dbase.path + "] has been created and populated."));
}

TEST_F(TableExportPanelTest, aFailedOrCancelledRunLeavesTheEmptyTableAndCanRunAgain) {
    open(TableFormat::Dbase);
    table->clickHeader(kLast);
    table->createTable();
    atRow = [](int row) {
        if (row == 1) throw StoreError("/vn/abc.dbf: disk full");
    };
    table->exportData();
    EXPECT_EQ(prompter.texts(), (QStringList{"/vn/abc.dbf: disk full"}));
    EXPECT_TRUE(dbase.rows.isEmpty());
    EXPECT_TRUE(table->state().exportEnabled);
    atRow = [this](int) { table->cancel(); };
    table->exportData();
    EXPECT_TRUE(dbase.rows.isEmpty());
    EXPECT_TRUE(prompter.texts().value(1).contains("cancelled"));
    atRow = nullptr;
    table->exportData();
    EXPECT_EQ(dbase.rows.size(), 2);
}

TEST_F(TableExportPanelTest, anExistingTableInAnyCaseIsDeletedOnlyWhenTheUserAgrees) {
    open(TableFormat::Paradox);
    table->clickHeader(kLast);
    touch("GRADES.DB");
    touch("Grades.Px");
    table->editFileName("grades");
    prompter.answers = {Answer::No};
    table->leaveFileName();
    EXPECT_EQ(prompter.texts(), (QStringList{"File already exists! Delete file and continue?"}));
    EXPECT_EQ(table->state().fileName, "");
    EXPECT_FALSE(table->state().createEnabled);
    EXPECT_EQ(table->takeFocus(), TableExportFocus::FileName);
    EXPECT_EQ(QDir(tableFolder()).entryList({"*.db", "*.px", "*.DB", "*.Px"}, QDir::Files).size(), 2);
    table->editFileName("grades");
    table->createTable();  // asks again; OK this time
    EXPECT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(QDir(tableFolder()).entryList({"grades.*", "GRADES.*", "Grades.*"}, QDir::Files),
              (QStringList{"grades.db", "grades.px"}));
}

TEST_F(TableExportPanelTest, aNameThatCouldLeaveTheFolderIsRefused) {
    open(TableFormat::Paradox);
    table->clickHeader(kLast);
    for (const QString text : {"../x", "/x", ".db", "a b"}) {
        prompter.messages.clear();
        table->editFileName(text);
        table->createTable();
        EXPECT_EQ(prompter.texts(), (QStringList{TableExportPanel::kBadName})) << text.toStdString();
        EXPECT_EQ(table->takeFocus(), TableExportFocus::FileName);
        EXPECT_FALSE(table->state().exportEnabled);
    }
    EXPECT_EQ(prompter.beeps, 4);
    EXPECT_TRUE(QDir(tableFolder()).entryList({"*.db"}, QDir::Files).isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(session.folders.base()).filePath("x.db")));
}

}  // namespace

}  // namespace vn::test
