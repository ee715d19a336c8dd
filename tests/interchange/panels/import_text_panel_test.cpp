// The text import view's rules on a temporary store: what opens, what each step enables, the
// mapping by clicks, and both kinds of run, down to the records in Head and the page tables.
#include "interchange/panels/import_text_panel.h"
#include "interchange/panels/import_texts.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"
#include "store/catalogue/slots.h"

#include "entry/session/session_fixture.h"
#include "lists/definitions/definition_rows.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace vn {

namespace {

using Leave = ImportTextPanel::Leave;
namespace fdis = definition_tables::fdis;

constexpr FieldRef kTitle{0, 1};
constexpr FieldRef kFirst{0, 2};
constexpr FieldRef kLast{0, 4};
constexpr FieldRef kCity{0, 13};
constexpr FieldRef kPhoneSlot2{1, 2};  // page 1, text slot 2
const QString kFirstKey = "abcwyalb000100000";
const QString kSecondKey = "abcwyalb000200000";

// Counts redraws; during long work it can cancel at a given step.
struct Host : PanelHost {
    void redraw() override { ++redraws; }
    void keepResponsive() override {
        if (onStep) onStep();
    }
    int redraws = 0;
    std::function<void()> onStep;
};

class ImportTextPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecordAccess& a = f.access;
        // Page 1: text "Email2" (slot 1, number 3), "Phone" (slot 2, number 1), a deleted text,
        // a check box; page 3 holds a memo; pages 2, 4-6 nothing.
        test::putDefinition(a, definitionKey("abc", 1, 1), int(FieldKind::Text), 2, {{fdis::kCaption, "Phone"}});
        test::putDefinition(a, definitionKey("abc", 1, 2), int(FieldKind::CheckBox), 1, {{fdis::kCaption, "Member"}});
        test::putDefinition(a, definitionKey("abc", 1, 3), int(FieldKind::Text), 1, {{fdis::kCaption, "Email2"}});
        test::putDefinition(a, definitionKey("abc", 1, 4), int(FieldKind::Text), 3,
                            {{fdis::kCaption, "Gone"}, {fdis::kActive, "0"}});
        test::putDefinition(a, definitionKey("abc", 3, 1), int(FieldKind::Memo), 1, {{fdis::kCaption, "Notes"}});
        f.session.currentListCode = "abc";
        f.session.currentListTitle = "Members";
        f.session.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(a, "abc"));
    }

    QString file(const QByteArray& content, const QString& name = "people.txt") {
        const QString path = QDir(f.tmp.path()).filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        return path;
    }
    // A comma-separated file split and mapped: field 1 to Last, 2 to First, 3 to page 1's Phone.
    void mapped(const QByteArray& content) {
        ASSERT_TRUE(panel.open());
        panel.selectFile(file(content));
        panel.chooseMethod(FieldMethod::Delimited);
        panel.enterSeparator(",", Leave::Enter);
        panel.split();
        for (auto [field, target] : {std::pair{1, kLast}, {2, kFirst}, {3, kPhoneSlot2}}) {
            panel.selectField(field);
            panel.clickBox(target);
        }
        panel.saveMapping();
    }
    QString field(int slot, const QString& key, int number) {
        return f.access.FindRecord(slot, key) ? f.access.GetFieldText(slot, number) : QString("(none)");
    }
    QString lastMessage() const { return f.prompter.messages.isEmpty() ? QString() : f.prompter.messages.last().text; }
    const ImportTextState& s() const { return panel.state(); }

    test::SessionFixture f;
    Host host;
    ImportTextPanel panel{f.session, host};
};

TEST_F(ImportTextPanelTest, WithoutACurrentListTheViewDoesNotOpen) {
    f.session.currentListCode.clear();
    EXPECT_FALSE(panel.open());
    EXPECT_EQ(lastMessage(), importNeedsList());
}

TEST_F(ImportTextPanelTest, OpeningShowsTheListItsHeaderAndItsFirstPagesTextFields) {
    f.session.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(f.access, "zzz"));  // another list's
    ASSERT_TRUE(panel.open());
    EXPECT_EQ(s().listCode, "abc");
    EXPECT_EQ(s().listTitle, "Members");
    EXPECT_EQ(s().headerBoxes[0].caption, "Title");
    EXPECT_EQ(s().headerBoxes[14].caption, "Zip");
    EXPECT_EQ(s().headerBoxes[3].target, kLast);
    // Active text fields only, by definition number, each at its slot's column.
    ASSERT_EQ(s().pageBoxes.size(), 2);
    EXPECT_EQ(s().pageBoxes[0].caption, "Phone");
    EXPECT_EQ(s().pageBoxes[0].target, kPhoneSlot2);
    EXPECT_EQ(s().pageBoxes[1].caption, "Email2");
    EXPECT_EQ(s().pageBoxes[1].target, (FieldRef{1, 1}));
    EXPECT_EQ(s().pageGroupCaption, "Page One Edit Fields...");
    EXPECT_EQ(s().pageButtonsShown, (std::array<bool, 6>{true, false, true, false, false, false}));
    EXPECT_FALSE(s().methodsEnabled);
    EXPECT_FALSE(s().clearEnabled || s().saveEnabled || s().processEnabled || s().startEnabled || s().acceptEnabled);

    panel.showPage(2);  // not defined: stays on page 1
    EXPECT_EQ(s().shownPage, 1);
    panel.showPage(3);
    EXPECT_EQ(s().pageGroupCaption, "Page Three Edit Fields...");
    EXPECT_TRUE(s().pageBoxes.isEmpty());  // a memo is not a text field
}

TEST_F(ImportTextPanelTest, SelectingAFileShowsItsFirstLineAndOffersTheMethods) {
    ASSERT_TRUE(panel.open());
    panel.selectFile(file("Smith,Ann\r\nJones,Bob\r\n\r\nLee,Cy\r\n"));
    EXPECT_EQ(s().preview, "Smith,Ann");
    EXPECT_EQ(s().counter, "1 of 4");
    EXPECT_TRUE(s().methodsEnabled);
    EXPECT_FALSE(s().splitEnabled);
    panel.chooseMethod(FieldMethod::Tab);
    EXPECT_TRUE(s().splitEnabled);  // at once
}

TEST_F(ImportTextPanelTest, AnUnreadableFileLeavesTheViewAsItWasNamingFileAndLine) {
    ASSERT_TRUE(panel.open());
    const QString good = file("a,b\n", "good.txt");
    panel.selectFile(good);
    const QString bad = file(QByteArray("fine\nbro", 8) + QByteArray(1, '\0') + "ken\n", "bad.txt");
    panel.selectFile(bad);
    EXPECT_EQ(f.prompter.messages.last().kind, "error");
    EXPECT_TRUE(lastMessage().contains(bad)) << qPrintable(lastMessage());
    EXPECT_TRUE(lastMessage().contains("line 2")) << qPrintable(lastMessage());
    EXPECT_EQ(s().fileName, good);
    EXPECT_EQ(s().preview, "a,b");
}

TEST_F(ImportTextPanelTest, FixedLengthTakesAWholeNumberShowsSpacesAndDropsTheShortTail) {
    ASSERT_TRUE(panel.open());
    panel.selectFile(file("Ann  Smith12\n"));
    panel.chooseMethod(FieldMethod::FixedLength);
    EXPECT_TRUE(s().sizeShown);
    EXPECT_EQ(s().focus, ImportFocus::Size);
    EXPECT_EQ(s().preview, "Ann~~Smith12");
    for (const char* wrong : {"0", "-1", "abc", "5x", " 5", "٥"}) {
        panel.enterSize(wrong, Leave::Enter);
        EXPECT_EQ(s().sizeText, "") << wrong;
        EXPECT_FALSE(s().splitEnabled) << wrong;
        EXPECT_EQ(s().focus, ImportFocus::Size) << wrong;
    }
    panel.enterSize("5", Leave::Focus);
    EXPECT_TRUE(s().splitEnabled);
    EXPECT_EQ(s().focus, ImportFocus::Split);
    panel.split();
    ASSERT_EQ(s().importFields.size(), 2);  // "12" is never imported
    EXPECT_EQ(s().importFields[0].text, "1    Ann  ");
    EXPECT_EQ(s().importFields[1].text, "2    Smith");
    EXPECT_TRUE(s().splitEnabled);  // another size may be tried
}

TEST_F(ImportTextPanelTest, DelimitedNeedsASingleCharacterSeparatorAndSplitsOnce) {
    ASSERT_TRUE(panel.open());
    panel.selectFile(file("\"Smith, Jr\",\"Ann\"\n"));
    panel.chooseMethod(FieldMethod::Delimited);
    EXPECT_TRUE(s().delimitersShown);
    EXPECT_EQ(s().focus, ImportFocus::Delimiter);
    panel.enterDelimiter("\"'", Leave::Enter);
    EXPECT_EQ(f.prompter.beeps, 1);
    EXPECT_EQ(s().delimiterText, "");
    panel.enterDelimiter("\"", Leave::Enter);
    EXPECT_EQ(s().focus, ImportFocus::Separator);
    // Empty, too long, or the delimiter itself: no separator.
    for (const char* wrong : {"", ",,", "\""}) {
        panel.enterSeparator(wrong, Leave::Enter);
        EXPECT_FALSE(s().splitEnabled) << wrong;
        EXPECT_EQ(s().separatorText, "") << wrong;
    }
    EXPECT_EQ(f.prompter.beeps, 4);
    panel.enterSeparator(",", Leave::Enter);
    EXPECT_TRUE(s().splitEnabled);
    panel.split();
    ASSERT_EQ(s().importFields.size(), 2);
    EXPECT_EQ(s().importFields[0].text, "1    Smith, Jr");
    EXPECT_FALSE(s().splitEnabled);
}

TEST_F(ImportTextPanelTest, ATabLineWithAnEmptyFieldKeepsItsThirdValueThird) {
    ASSERT_TRUE(panel.open());
    panel.selectFile(file("a\t\tc\n"));
    panel.chooseMethod(FieldMethod::Tab);
    panel.split();
    ASSERT_EQ(s().importFields.size(), 3);
    EXPECT_EQ(s().importFields[2].text, "3    c");
}

TEST_F(ImportTextPanelTest, ClicksMapAndUnmapAndTheCountFollows) {
    ASSERT_TRUE(panel.open());
    panel.selectFile(file("Smith,Ann,555\n"));
    panel.chooseMethod(FieldMethod::Delimited);
    panel.enterSeparator(",", Leave::Enter);
    panel.split();

    panel.clickBox(kLast);  // nothing selected, nothing mapped: stays unchecked
    EXPECT_EQ(s().mappingCount, 0);
    panel.selectField(2);
    panel.clickBox(kLast);
    EXPECT_EQ(s().headerBoxes[3].field, 2);
    EXPECT_TRUE(s().importFields[1].marked);
    EXPECT_EQ(s().selectedField, 0);
    EXPECT_TRUE(s().clearEnabled && s().saveEnabled);
    // The same field to a page field too: both boxes show it.
    panel.selectField(2);
    panel.clickBox(kPhoneSlot2);
    EXPECT_EQ(s().mappingCount, 2);
    EXPECT_EQ(s().pageBoxes[0].field, 2);
    // Another field onto a mapped box takes its place.
    panel.selectField(1);
    panel.clickBox(kLast);
    EXPECT_EQ(s().headerBoxes[3].field, 1);
    EXPECT_EQ(s().mappingCount, 2);
    // Unmapping by a second click; field 2 keeps its mark while it fills the page field.
    panel.clickBox(kLast);
    EXPECT_EQ(s().headerBoxes[3].field, 0);
    EXPECT_FALSE(s().importFields[0].marked);
    EXPECT_TRUE(s().importFields[1].marked);
    EXPECT_EQ(s().mappingCount, 1);
    // The page's mapping is kept while another page shows.
    panel.showPage(3);
    panel.showPage(1);
    EXPECT_EQ(s().pageBoxes[0].field, 2);
    panel.clickBox(kPhoneSlot2);
    EXPECT_EQ(s().mappingCount, 0);
    EXPECT_FALSE(s().clearEnabled || s().saveEnabled);
}

TEST_F(ImportTextPanelTest, SavingEnablesTheProcessChoicesAndAChangeAsksForAnotherSave) {
    mapped("Smith,Ann,555\n");
    EXPECT_FALSE(s().saveEnabled);
    EXPECT_TRUE(s().processEnabled);
    EXPECT_FALSE(s().startEnabled);
    panel.chooseProcess(ProcessMethod::LineByLine);
    EXPECT_TRUE(s().startEnabled);
    EXPECT_FALSE(s().acceptEnabled);
    panel.selectField(3);
    panel.clickBox(kCity);
    EXPECT_TRUE(s().saveEnabled);
    EXPECT_FALSE(s().processEnabled || s().startEnabled);
    EXPECT_EQ(s().process, ProcessMethod::None);

    panel.clearMapping();
    EXPECT_EQ(s().mappingCount, 0);
    EXPECT_FALSE(s().clearEnabled || s().saveEnabled || s().processEnabled || s().splitEnabled);
    EXPECT_EQ(s().importFields.size(), 3);
    for (const ImportFieldEntry& e : s().importFields) EXPECT_FALSE(e.marked);
    EXPECT_EQ(s().shownPage, 1);
}

TEST_F(ImportTextPanelTest, AutomaticallyImportsEveryLineFillingEveryMappedBox) {
    mapped("Smith,Ann,555\r\nJones,Bob,666\r\n");
    panel.selectField(1);
    panel.clickBox(kCity);  // field 1 fills Last and City
    panel.selectField(2);
    panel.clickBox(FieldRef{1, 1});  // field 2 fills First and page 1's Email2
    panel.saveMapping();
    panel.chooseProcess(ProcessMethod::Automatically);
    panel.start();
    EXPECT_EQ(s().counter, "EOF");
    EXPECT_EQ(s().preview, "");
    EXPECT_FALSE(s().acceptEnabled);
    EXPECT_EQ(f.prompter.messages.last().kind, "information");
    EXPECT_TRUE(lastMessage().startsWith("2 records imported.")) << qPrintable(lastMessage());
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "Smith");
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 13), "Smith");
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 2), "Ann");
    EXPECT_EQ(field(pageSlot(1), kFirstKey, 1), "Ann");
    EXPECT_EQ(field(pageSlot(1), kFirstKey, 2), "555");
    EXPECT_EQ(field(kHeadSlot, kSecondKey, 4), "Jones");
    EXPECT_EQ(field(pageSlot(3), kSecondKey, 1), "");  // page rows up to the highest defined page

    // A second run continues the numbering.
    panel.start();
    EXPECT_EQ(field(kHeadSlot, "abcwyalb000300000", 4), "Smith");
}

TEST_F(ImportTextPanelTest, APageOnlyMappingStillMakesTheHeadRow) {
    ASSERT_TRUE(panel.open());
    panel.selectFile(file("555\n"));
    panel.chooseMethod(FieldMethod::Tab);
    panel.split();
    panel.selectField(1);
    panel.clickBox(kPhoneSlot2);
    panel.saveMapping();
    panel.chooseProcess(ProcessMethod::Automatically);
    panel.start();
    EXPECT_EQ(field(pageSlot(1), kFirstKey, 2), "555");
    EXPECT_NE(field(kHeadSlot, kFirstKey, 4), "(none)");
}

TEST_F(ImportTextPanelTest, LineByLineAcceptsAndSkipsEachLineInItsOwnTurn) {
    mapped("Last,First,Phone\nSmith,Ann,555\nJones,Bob,666\n");
    panel.chooseProcess(ProcessMethod::LineByLine);
    panel.start();
    EXPECT_TRUE(s().acceptEnabled);
    EXPECT_FALSE(s().startEnabled);
    EXPECT_EQ(s().preview, "Last,First,Phone");
    EXPECT_EQ(s().counter, "1 of 3");
    panel.skip();  // the heading line
    EXPECT_EQ(s().counter, "2 of 3");
    panel.accept();
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "Smith");  // written at once
    EXPECT_EQ(s().preview, "Jones,Bob,666");
    panel.skip();
    EXPECT_EQ(s().counter, "EOF");
    EXPECT_EQ(s().preview, "");
    EXPECT_FALSE(s().acceptEnabled);
    EXPECT_TRUE(lastMessage().startsWith("1 records imported.") || lastMessage().startsWith("1 record imported."))
        << qPrintable(lastMessage());
    EXPECT_EQ(field(kHeadSlot, kSecondKey, 4), "(none)");
    EXPECT_EQ(f.access.RecordCount(kHeadSlot), 1);
}

TEST_F(ImportTextPanelTest, StopReturnEndsALineByLineRunKeepingWhatWasAccepted) {
    mapped("Smith,Ann,555\nJones,Bob,666\n");
    panel.chooseProcess(ProcessMethod::LineByLine);
    panel.start();
    panel.accept();
    panel.stop();
    EXPECT_FALSE(s().acceptEnabled);
    EXPECT_TRUE(s().startEnabled);
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "Smith");
}

TEST_F(ImportTextPanelTest, AFileSpoiledBeforeTheRunIsRefusedWhole) {
    mapped("Smith,Ann,555\nJones,Bob,666\n");
    file(QByteArray("Smith,Ann,555\nJo", 16) + QByteArray(1, '\0') + "nes\n");
    panel.chooseProcess(ProcessMethod::Automatically);
    panel.start();
    EXPECT_EQ(f.prompter.messages.last().kind, "error");
    EXPECT_TRUE(lastMessage().contains("line 2")) << qPrintable(lastMessage());
    EXPECT_EQ(field(kHeadSlot, kFirstKey, 4), "(none)");
    EXPECT_TRUE(s().startEnabled);  // the view stays ready for another try
}

TEST_F(ImportTextPanelTest, CancelLeavesNoRecord) {
    QByteArray lines;
    for (int i = 0; i < 50; ++i) lines += "Name" + QByteArray::number(i) + ",x,1\n";
    mapped(lines);
    panel.chooseProcess(ProcessMethod::Automatically);
    int steps = 0;
    host.onStep = [&] {
        if (++steps == 3) panel.cancel();
    };
    panel.start();
    EXPECT_EQ(lastMessage(), importCancelled());
    EXPECT_EQ(f.access.RecordCount(kHeadSlot), 0);
    EXPECT_FALSE(s().gauge.working);
}

TEST_F(ImportTextPanelTest, AMapFileSavedAndOpenedAgainGivesTheMethodAndTheMapping) {
    mapped("Smith,Ann,555\nJones,Bob,666\n");
    const QString map = QDir(f.tmp.path()).filePath("people.map");
    panel.saveMapFile(map);
    ASSERT_TRUE(QFile::exists(map));
    ASSERT_TRUE(panel.open());
    panel.selectFile(file("Smith,Ann,555\nJones,Bob,666\n"));
    panel.openMapFile(map);
    EXPECT_EQ(f.prompter.messages.size(), 0) << qPrintable(lastMessage());
    EXPECT_EQ(s().method, FieldMethod::Delimited);
    EXPECT_EQ(s().separatorText, ",");
    EXPECT_EQ(s().importFields.size(), 3);
    EXPECT_EQ(s().headerBoxes[3].field, 1);
    EXPECT_EQ(s().headerBoxes[1].field, 2);
    EXPECT_EQ(s().pageBoxes[0].field, 3);
    EXPECT_TRUE(s().saveEnabled);  // read, not yet saved for processing
    panel.saveMapping();
    panel.chooseProcess(ProcessMethod::Automatically);
    panel.start();
    EXPECT_EQ(field(pageSlot(1), kSecondKey, 2), "666");
}

TEST_F(ImportTextPanelTest, AMapFileThatCannotBeUsedChangesNothing) {
    ASSERT_TRUE(panel.open());
    const QString map = file("method = tab\n1 = Last\nx = First\n", "bad.map");
    panel.openMapFile(map);  // no text file yet
    EXPECT_EQ(lastMessage(), mapFileNeedsTextFile());
    panel.selectFile(file("Smith,Ann\n"));
    panel.openMapFile(map);
    EXPECT_EQ(f.prompter.messages.last().kind, "error");
    EXPECT_TRUE(lastMessage().contains(map) && lastMessage().contains("line 3")) << qPrintable(lastMessage());
    EXPECT_EQ(s().method, FieldMethod::None);
    EXPECT_EQ(s().mappingCount, 0);
    // Fields the file's lines do not have are left unmapped, and said so.
    panel.openMapFile(file("method = delimited\nseparator = ,\n2 = Last\n5 = City\n", "wide.map"));
    EXPECT_EQ(lastMessage(), mapFileBeyondFields(2));
    EXPECT_EQ(s().headerBoxes[3].field, 2);
    EXPECT_EQ(s().mappingCount, 1);
}

TEST_F(ImportTextPanelTest, AMapFileThatCannotBeWrittenIsReported) {
    mapped("Smith,Ann,555\n");
    const QString map = QDir(f.tmp.path()).filePath("missing/people.map");
    panel.saveMapFile(map);
    EXPECT_EQ(f.prompter.messages.last().kind, "error");
    EXPECT_TRUE(lastMessage().contains(map)) << qPrintable(lastMessage());
}

}  // namespace

}  // namespace vn
