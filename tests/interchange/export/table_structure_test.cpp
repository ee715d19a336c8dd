// The structure of a new table: fields by their list field, legal unique names per format, the
// table name rule, the table's members in any case, and values fitted to their fields.
#include "interchange/export/table_export_run.h"
#include "interchange/export/table_field_names.h"
#include "interchange/export/table_structure.h"
#include "interchange/tables/table_members.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace vn::test {

namespace {

TEST(TableStructureTest, aFieldEntersOnceWhateverItsCaption) {
    TableStructure structure(TableFormat::Paradox);
    EXPECT_TRUE(structure.add("City", {0, 13}));
    EXPECT_TRUE(structure.add("City", {2, 4}));    // a page field captioned like the header field
    EXPECT_TRUE(structure.add("Grade", {2, 1}));
    EXPECT_TRUE(structure.add("Grade", {5, 1}));   // two pages, one caption
    EXPECT_FALSE(structure.add("Grade", {2, 1}));  // the same field again
    EXPECT_EQ(structure.fields(), (QList<FieldRef>{{0, 13}, {2, 4}, {2, 1}, {5, 1}}));
    QStringList names;
    for (const NewTableField& field : structure.tableFields()) names << field.name;
    EXPECT_EQ(names, (QStringList{"Key", "City", "City_2", "Grade", "Grade_2"}));
    EXPECT_EQ(structure.tableFields().first().size, 18);
    EXPECT_EQ(structure.tableFields().last().size, 30);
    structure.remove(1);  // the first "City" is free again: its name goes to nobody else
    structure.remove(0);
    EXPECT_EQ(structure.entries().first().name, "Grade");
    EXPECT_EQ(structure.entries().last().name, "Grade_2");
}

TEST(TableStructureTest, namesFollowEachFormatsRules) {
    struct Case {
        TableFormat format;
        QStringList captions;
        QStringList names;
    };
    const QList<Case> cases = {
        {TableFormat::Dbase, {"M.I.", "H. Phone", "Position/Ti", "Email Add"}, {"M_I", "H_PHONE", "POSITION_T", "EMAIL_ADD"}},
        {TableFormat::Dbase, {"Grade (Fall)", "Grade (Spring)"}, {"GRADE_FALL", "GRADE_SPRI"}},
        {TableFormat::Dbase, {"Shoe size left", "Shoe size right"}, {"SHOE_SIZE", "SHOE_SIZ_2"}},
        {TableFormat::Dbase, {"2nd Phone", "Key", "Straße", "???"}, {"F2ND_PHONE", "KEY_2", "STRA_E", "FIELD"}},
        {TableFormat::Paradox, {"Grade (Fall)", "#", "Key", "key"}, {"Grade Fall", "Field", "Key_2", "key_3"}},
        {TableFormat::Paradox, {"A very long caption of the field", "A very long caption of the other"},
         {"A very long caption of th", "A very long caption of _2"}},
        {TableFormat::Paradox, {"Straße", "Ωmega"}, {"Straße", "_mega"}},
    };
    for (const Case& c : cases) EXPECT_EQ(tableFieldNames(c.format, c.captions), c.names) << c.captions.join('|').toStdString();
}

TEST(TableStructureTest, aTableNameIsLettersDigitsUnderscoreOrDashUpToItsFirstDot) {
    const QList<std::pair<QString, std::optional<QString>>> cases = {
        {"grades.xls", "grades"}, {"abc", "abc"}, {"my-table_2", "my-table_2"}, {QString(64, 'x'), QString(64, 'x')},
        {QString(65, 'x'), std::nullopt}, {"", std::nullopt}, {".db", std::nullopt}, {"../x", std::nullopt},
        {"/x", std::nullopt}, {"a b", std::nullopt}, {"Müller", std::nullopt}, {"a/b.db", std::nullopt},
    };
    for (const auto& [text, name] : cases) EXPECT_EQ(newTableName(text), name) << text.toStdString();
}

TEST(TableStructureTest, membersAreFoundAndDeletedInAnyCase) {
    TempFolder tmp;
    for (const char* file : {"GRADES.DBF", "grades.Mdx", "Grades.db", "grades.PX", "gradesx.dbf", "grades.dbt"}) {
        QFile out(QDir(tmp.path()).filePath(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(existingTableMembers(tmp.path(), "grades", TableFormat::Dbase).size(), 2);
    deleteTableMembers(tmp.path(), "grades", TableFormat::Dbase);
    EXPECT_TRUE(existingTableMembers(tmp.path(), "grades", TableFormat::Dbase).isEmpty());
    deleteTableMembers(tmp.path(), "GRADES", TableFormat::Paradox);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), (QStringList{"grades.dbt", "gradesx.dbf"}));
    EXPECT_EQ(newTablePath(tmp.path(), "grades", TableFormat::Dbase), QDir(tmp.path()).filePath("grades.dbf"));
}

TEST(TableStructureTest, valuesAreCutToTheirFieldAndCharactersOutsideWindows1252Replaced) {
    TableExportSummary summary;
    EXPECT_EQ(tableValue(QString(200, 'm'), 30, summary), QByteArray(30, 'm'));
    EXPECT_EQ(tableValue("Müller €", 30, summary), "M\xfcller \x80");
    EXPECT_EQ(tableValue(QString::fromUtf8("Zoë 😀 Ωx"), 30, summary), "Zo\xeb ? ?x");  // a pair is one character
    EXPECT_EQ(tableValue(QString::fromUtf8("😀😀😀"), 2, summary), "??");
    EXPECT_EQ(summary.cutValues, 2);
    EXPECT_EQ(summary.replacedCharacters, 4);
    EXPECT_EQ(summary.message(TableFormat::Dbase, "/h/vn/g.dbf"),
              "The new DBase data table [/h/vn/g.dbf] has been created and populated.\r"
              "2 values were cut to 30 characters; 4 characters outside Windows-1252 were written as \"?\".");
    EXPECT_EQ(TableExportSummary{}.message(TableFormat::Paradox, "/h/vn/g.db"),
              "The new Paradox data table [/h/vn/g.db] has been created and populated.");
}

}  // namespace

}  // namespace vn::test
