// The rules of window 12's text export view on a temporary installation.
#include "export_panel_fixture.h"

#include <gtest/gtest.h>

namespace vn::test {

namespace {

constexpr int kFirst = 2, kLast = 4;
const QString kOne = "abcwyalb000100000", kTwo = "abcwyalb000200000", kThree = "abcwyalb000300000";

// Two text fields, three check boxes (the second deleted), a radio group, a memo and a 3 x 2
// table on page 1; two text fields on page 2.
struct ExportTextPanelTest : ::testing::Test, ExportPanelFixture {
    ExportTextPanelTest() {
        define(1, 1, FieldKind::Text, 1, "Grade");
        define(1, 2, FieldKind::CheckBox, 1, "Paid");
        define(1, 3, FieldKind::Text, 2, "School", true, true);
        define(1, 4, FieldKind::CheckBox, 2, "Gone", false);
        define(1, 5, FieldKind::CheckBox, 3, "Board");
        define(1, 6, FieldKind::RadioGroup, 1, "Shirt");
        define(1, 7, FieldKind::Memo, 1, "Notes");
        define(1, 8, FieldKind::Label, 1, "A label");
        defineTable(1, 9, 3, 2);
        define(2, 1, FieldKind::Text, 1, "Sport");
        define(2, 2, FieldKind::Text, 2, "Coach");
        openPanel();
    }
    int number(FieldRef field) const { return panel.orderNumber(field).value_or(0); }
};

TEST_F(ExportTextPanelTest, thePageShowsItsActiveFieldsByKindWithTheirColumns) {
    const ExportPageBoxes& boxes = panel.state().boxes;
    EXPECT_EQ(panel.state().pageCaption, "Page One Fields...");
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_EQ(boxes.texts[1].caption, "School");
    EXPECT_TRUE(boxes.texts[1].hasList);
    ASSERT_EQ(boxes.checks.size(), 2);  // the deleted one leaves no box
    EXPECT_EQ(boxes.checks[1].caption, "Board");
    EXPECT_EQ(boxes.checks[1].field, (FieldRef{1, 23}));  // the column of slot 3
    EXPECT_EQ(boxes.radios.value(0).field, (FieldRef{1, 61}));
    EXPECT_EQ(boxes.memo->field, (FieldRef{1, 121}));
    EXPECT_EQ(boxes.table.name, "Grades");
    EXPECT_EQ(boxes.table.columnTitles, (QStringList{"Term", ""}));
    EXPECT_EQ(boxes.table.rowNames.size(), 3);
    const auto& buttons = panel.state().pageButtons;
    EXPECT_EQ(std::vector<bool>(buttons.begin(), buttons.end()), (std::vector<bool>{true, true, false, false, false, false}));
    panel.showPage(3);  // not defined
    EXPECT_EQ(panel.state().boxes.page, 1);
    panel.showPage(2);
    EXPECT_EQ(panel.state().pageCaption, "Page Two Fields...");
    EXPECT_FALSE(panel.state().boxes.table.shown());
}

TEST_F(ExportTextPanelTest, unchoosingRenumbersAcrossTheHeaderAndEveryPage) {
    panel.toggleHeader(kLast);
    panel.showPage(2);
    panel.toggleBox({2, 2});
    panel.toggleHeader(kFirst);
    EXPECT_EQ(number({0, kLast}), 1);
    EXPECT_EQ(number({2, 2}), 2);
    EXPECT_EQ(number({0, kFirst}), 3);
    panel.showPage(1);
    panel.toggleHeader(kLast);
    EXPECT_FALSE(panel.order().isChosen({0, kLast}));
    EXPECT_EQ(number({2, 2}), 1);
    EXPECT_EQ(number({0, kFirst}), 2);
    EXPECT_EQ(panel.order().captions(), (QStringList{"Coach", "First"}));
    panel.toggleBox({2, 1});  // not on the shown page
    EXPECT_EQ(panel.order().count(), 2);
}

TEST_F(ExportTextPanelTest, tableCellsAreNamedByPageColumnAndRowWithinTheCounts) {
    panel.toggleCell(3, 2);
    panel.toggleCell(4, 1);  // beyond the rows
    panel.toggleCell(1, 3);  // beyond the columns
    ASSERT_EQ(panel.order().count(), 1);
    EXPECT_EQ(panel.order().entry(1).caption, "T:1C:2R:3");
    EXPECT_EQ(panel.order().entry(1).field, (FieldRef{1, 82}));
    panel.toggleCell(3, 2);
    EXPECT_EQ(panel.order().count(), 0);
}

TEST_F(ExportTextPanelTest, exportAllChoosesTextCheckRadioThenSwitchesTheCellsColumnByColumn) {
    panel.toggleBox({1, 23});  // chosen before: keeps its number
    panel.exportAllOnPage();
    const QStringList first = panel.order().captions();
    EXPECT_EQ(first, (QStringList{"Board", "Grade", "School", "Paid", "Shirt", "T:1C:1R:1", "T:1C:1R:2", "T:1C:1R:3",
                                  "T:1C:2R:1", "T:1C:2R:2", "T:1C:2R:3"}));
    EXPECT_FALSE(panel.order().isChosen({1, 121}));  // the memo stays out
    panel.exportAllOnPage();
    EXPECT_EQ(panel.order().captions(), first.mid(0, 5));
    panel.clearOrder();
    EXPECT_EQ(panel.order().count(), 0);
    EXPECT_TRUE(panel.state().textLine.isEmpty());
}

// Each row sets up the choices in its order; the last one decides.
TEST_F(ExportTextPanelTest, processIsEnabledOnceMethodModeOptionAndAFieldAreGiven) {
    const struct {
        const char* name;
        std::function<void(ExportTextPanel&)> setUp;
        bool enabled;
    } cases[] = {
        {"tab chosen last", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::Tab); }, true},
        {"no field", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.chooseMethod(ExportMethod::Tab); }, false},
        {"no mode", [](ExportTextPanel& p) { p.chooseOption(SelectionOutput::Index); p.toggleHeader(1); p.chooseMethod(ExportMethod::Tab); }, false},
        {"no option", [](ExportTextPanel& p) { p.chooseMode(ExportMode::LineByLine); p.toggleHeader(1); p.chooseMethod(ExportMethod::Tab); }, false},
        {"fixed without size", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::FixedLength); }, false},
        {"fixed size 0", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::FixedLength); p.editSize("0"); }, false},
        {"fixed size 5", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::FixedLength); p.editSize("5"); }, true},
        {"delimited, no separator", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::Delimited); p.editDelimiter("~"); }, false},
        {"delimited, two characters", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::Delimited); p.editDelimiter("~"); p.editSeparator(",,"); }, false},
        {"delimited", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::Delimited); p.editDelimiter("~"); p.editSeparator(","); }, true},
        {"csv needs no mode", [](ExportTextPanel& p) { p.chooseOption(SelectionOutput::Text); p.toggleHeader(1); p.chooseMethod(ExportMethod::Csv); }, true},
        {"the last field unchosen", [](ExportTextPanel& p) { p.chooseMode(ExportMode::Automatically); p.chooseOption(SelectionOutput::Text); p.chooseMethod(ExportMethod::Tab); p.toggleHeader(1); p.toggleHeader(1); }, false},
    };
    for (const auto& c : cases) {
        ExportPanelFixture fresh;
        ExportTextPanel& panel = fresh.openPanel();
        c.setUp(panel);
        EXPECT_EQ(panel.state().processEnabled, c.enabled) << c.name;
    }
}

TEST_F(ExportTextPanelTest, leftEditsRefuseWhatTheyCannotTakeAndMoveTheFocus) {
    panel.chooseMethod(ExportMethod::FixedLength);
    EXPECT_EQ(panel.state().focus, ExportFocus::Size);
    panel.editSize("x");
    panel.leaveSize();
    EXPECT_EQ(panel.state().focus, ExportFocus::Size);
    EXPECT_EQ(panel.state().choices.sizeText, "");
    panel.editSize("7");
    panel.enterSize();
    EXPECT_EQ(panel.state().focus, ExportFocus::Return);  // nothing chosen yet

    panel.chooseMethod(ExportMethod::Delimited);
    EXPECT_EQ(panel.state().focus, ExportFocus::Delimiter);
    panel.editDelimiter("~~");
    panel.leaveDelimiter();
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(panel.state().focus, ExportFocus::Delimiter);
    EXPECT_EQ(panel.state().choices.delimiterText, "");
    panel.editDelimiter("~");
    panel.enterDelimiter();
    EXPECT_EQ(panel.state().focus, ExportFocus::Separator);
    panel.toggleHeader(1);
    panel.chooseMode(ExportMode::Automatically);
    panel.chooseOption(SelectionOutput::Text);
    panel.editSeparator(",");
    panel.leaveSeparator();
    EXPECT_EQ(panel.state().focus, ExportFocus::Process);
    panel.enterSeparator();
    EXPECT_EQ(panel.state().focus, ExportFocus::Return);
    panel.editSeparator(";;");
    panel.leaveSeparator();
    EXPECT_EQ(prompter.beeps, 2);
    EXPECT_EQ(panel.state().focus, ExportFocus::Separator);
    EXPECT_FALSE(panel.state().processEnabled);
}

TEST_F(ExportTextPanelTest, thePreviewPutsTheCaptionsTogetherAsALine) {
    panel.toggleHeader(kLast);
    panel.toggleHeader(kFirst);
    panel.chooseMethod(ExportMethod::Tab);
    EXPECT_EQ(panel.state().textLine, "Last\tFirst");
    chooseDelimited(ExportMode::Automatically);
    EXPECT_EQ(panel.state().textLine, "~Last~,~First~");
    panel.chooseMethod(ExportMethod::Csv);
    EXPECT_EQ(panel.state().textLine, "Last,First");
    panel.chooseMethod(ExportMethod::None);
    EXPECT_EQ(panel.state().textLine, "");
}

TEST_F(ExportTextPanelTest, anAutomaticRunWritesEveryRecordOfTheListAndNamesTheFile) {
    addRecord(kOne, {{kLast, "Smith"}, {kFirst, "Jo"}}, {{23, "1"}});
    addRecord(kTwo, {{kLast, "Doe"}});  // no page row: empty values
    addRecord("xyzwyalb000100000", {{kLast, "Other list"}});
    panel.toggleHeader(kLast);
    panel.toggleBox({1, 23});
    panel.toggleHeader(kFirst);
    chooseDelimited(ExportMode::Automatically);
    panel.process();
    EXPECT_EQ(exported(), "~Smith~,~1~,~Jo~\r\n~Doe~,~~,~~\r\n");
    ASSERT_EQ(prompter.texts(), QStringList{"The export text file [" + panel.textFilePath() + "] has  been successfully built."});
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_FALSE(panel.state().processEnabled);  // until the next change
    panel.chooseOption(SelectionOutput::Text);
    EXPECT_TRUE(panel.state().processEnabled);
}

TEST_F(ExportTextPanelTest, aFileThatCannotBeCreatedIsSaidWithABeep) {
    QDir(session.folders.exchangeFolder()).removeRecursively();
    panel.toggleHeader(kLast);
    chooseDelimited(ExportMode::LineByLine);
    panel.process();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].kind, "error");
    EXPECT_TRUE(prompter.messages[0].text.startsWith(ExportTextPanel::kCannotCreate));
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_FALSE(panel.state().fileOpen);
}

TEST_F(ExportTextPanelTest, lineByLineWritesTheAcceptedRecordsAndTellsAtTheEnd) {
    addRecord(kOne, {{kLast, "Smith"}});
    addRecord(kTwo, {{kLast, "Doe"}});
    addRecord(kThree, {{kLast, "Roe"}});
    panel.toggleHeader(kLast);
    chooseDelimited(ExportMode::LineByLine);
    panel.process();
    EXPECT_TRUE(panel.state().fileOpen);
    EXPECT_TRUE(panel.state().acceptEnabled && panel.state().skipEnabled);
    EXPECT_EQ(panel.state().textLine, "~Smith~");
    EXPECT_TRUE(panel.state().textLineShowsRecord);
    panel.acceptRecord();
    EXPECT_EQ(panel.state().textLine, "~Doe~");
    panel.skipRecord();
    panel.acceptRecord();
    EXPECT_FALSE(panel.state().fileOpen);
    EXPECT_FALSE(panel.state().acceptEnabled || panel.state().skipEnabled);
    EXPECT_EQ(panel.state().textLine, "");
    EXPECT_EQ(exported(), "~Smith~\r\n~Roe~\r\n");
    EXPECT_EQ(prompter.texts().size(), 1);
    EXPECT_EQ(prompter.beeps, 1);
}

TEST_F(ExportTextPanelTest, returnEndsALineByLineRunKeepingTheAcceptedLines) {
    addRecord(kOne, {{kLast, "Smith"}});
    addRecord(kTwo, {{kLast, "Doe"}});
    panel.toggleHeader(kLast);
    chooseDelimited(ExportMode::LineByLine);
    panel.process();
    panel.acceptRecord();
    panel.leaveView();
    EXPECT_FALSE(panel.state().fileOpen);
    EXPECT_EQ(exported(), "~Smith~\r\n");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ExportTextPanelTest, anEmptyListGivesAnEmptyFileAndLineByLineNoMessage) {
    panel.toggleHeader(kLast);
    chooseDelimited(ExportMode::LineByLine);
    panel.process();
    EXPECT_FALSE(panel.state().fileOpen);
    EXPECT_FALSE(panel.state().acceptEnabled);
    EXPECT_EQ(exported(), "");
    EXPECT_TRUE(prompter.messages.isEmpty());
    panel.chooseMode(ExportMode::Automatically);
    panel.process();
    EXPECT_EQ(exported(), "");
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(ExportTextPanelTest, csvGoesWhereTheUserChoseWithItsCaptionRow) {
    addRecord(kOne, {{kLast, "=Smith, Jr"}});
    panel.toggleHeader(kLast);
    panel.chooseOption(SelectionOutput::Text);
    panel.chooseMethod(ExportMethod::Csv);
    panel.setByteOrderMark(false);
    EXPECT_TRUE(panel.asksForPath());
    EXPECT_TRUE(panel.suggestedPath().endsWith("/abc.csv"));
    const QString path = QDir(tmp.path()).filePath("out.csv");
    panel.process(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Last\r\n\"'=Smith, Jr\"\r\n");
    EXPECT_TRUE(prompter.texts().value(0).contains("[" + path + "]"));
}

// What a layout file keeps of the choices (the mode and the CSV options stay out).
auto keptChoices(const ExportChoices& c) {
    return std::tuple(c.method, c.sizeText, c.delimiterText, c.separatorText, c.charset, c.optionChosen, c.option);
}

TEST_F(ExportTextPanelTest, aSavedLayoutOpensIntoAnotherViewWithTheSameOrderAndChoices) {
    const QList<FieldRef> fields = {{0, kLast}, {1, 23}, exportCellField(1, 3, 2), {2, 2}, {0, kFirst}};
    panel.toggleHeader(kLast);
    panel.toggleBox({1, 23});
    panel.toggleCell(3, 2);
    panel.showPage(2);
    panel.toggleBox({2, 2});
    panel.toggleHeader(kFirst);
    using M = ExportMethod;
    const struct {
        const char* name;
        std::function<void(ExportTextPanel&)> choose;
        M reopened;
        const char* delimiter;  // as the other view has it
        bool complete;          // with a mode chosen
    } cases[] = {  // in turn on the same view: what a case leaves out stays from the one before
        {"tab, no option yet", [](ExportTextPanel& p) { p.chooseMethod(M::Tab); }, M::Tab, "", false},
        {"fixed, UTF-8, index", [](ExportTextPanel& p) { p.chooseMethod(M::FixedLength); p.editSize("12"); p.chooseCharset(TextCharset::Utf8); p.chooseOption(SelectionOutput::Index); }, M::FixedLength, "", true},
        {"delimited by words and a comment sign", [](ExportTextPanel& p) { p.chooseMethod(M::Delimited); p.editDelimiter(" "); p.editSeparator("#"); p.chooseOption(SelectionOutput::Text); }, M::Delimited, " ", true},
        {"the delimiter as the separator", [](ExportTextPanel& p) { p.chooseMethod(M::Delimited); p.editDelimiter(","); p.editSeparator(","); }, M::Delimited, "", false},
        {"CSV has no method in the file", [](ExportTextPanel& p) { p.chooseMethod(M::Csv); p.chooseOption(SelectionOutput::Text); }, M::None, "", false},
    };
    const QString path = QDir(tmp.path()).filePath("members.layout");
    for (const auto& c : cases) {
        c.choose(panel);
        panel.saveLayout(path);
        QuietHost otherHost;
        ExportTextPanel other(session, otherHost);
        other.open();
        other.showPage(2);
        other.chooseMode(ExportMode::Automatically);
        other.openLayout(path);
        EXPECT_TRUE(prompter.messages.isEmpty()) << c.name << prompter.texts().join(' ').toStdString();
        for (FieldRef field : fields) EXPECT_EQ(other.orderNumber(field), panel.orderNumber(field)) << c.name;
        EXPECT_EQ(other.order().captions(), panel.order().captions()) << c.name;
        EXPECT_EQ(other.state().boxes.page, 2) << c.name;
        ExportChoices expected = panel.state().choices;
        expected.method = c.reopened;
        expected.delimiterText = c.delimiter;
        EXPECT_EQ(keptChoices(other.state().choices), keptChoices(expected)) << c.name;
        EXPECT_EQ(other.state().processEnabled, c.complete) << c.name;
    }
}

TEST_F(ExportTextPanelTest, aLayoutThatCannotBeReadOrWrittenIsToldAndChangesNothing) {
    panel.toggleHeader(kFirst);
    chooseDelimited(ExportMode::Automatically);
    const auto before = keptChoices(panel.state().choices);
    const QString bad = QDir(tmp.path()).filePath("bad.layout");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("method = tab\r\nfield = Last\r\nfield = page 1 text 9\r\n");
    file.close();
    const QString missing = QDir(tmp.path()).filePath("missing/x.layout");
    const struct {
        QString path;
        QString told;
        void (ExportTextPanel::*act)(const QString&);
    } cases[] = {
        {bad, bad + ":3: ", &ExportTextPanel::openLayout},
        {missing, missing + ": The file cannot be read", &ExportTextPanel::openLayout},
        {missing, missing + ": ", &ExportTextPanel::saveLayout},
    };
    for (const auto& c : cases) {
        prompter.messages.clear();
        (panel.*c.act)(c.path);
        ASSERT_EQ(prompter.messages.size(), 1) << c.told.toStdString();
        EXPECT_EQ(prompter.messages[0].kind, "error");
        EXPECT_TRUE(prompter.messages[0].text.startsWith(c.told)) << prompter.messages[0].text.toStdString();
        EXPECT_EQ(panel.order().captions(), QStringList{"First"});
        EXPECT_EQ(keptChoices(panel.state().choices), before);
        EXPECT_TRUE(panel.state().processEnabled);
    }
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(ExportTextPanelOpen, withoutACurrentListTheViewDoesNotOpen) {
    ExportPanelFixture fixture;
    fixture.session.currentListCode.clear();
    EXPECT_FALSE(fixture.panel.open());
    EXPECT_EQ(fixture.prompter.texts(), QStringList{ExportTextPanel::kNoList});
}

}  // namespace

}  // namespace vn::test
