#include "requests/builder/label_choices.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vn;
using D = DuplicateMode;

namespace {

constexpr int kCompanyBox = 9, kAddress1Box = 10, kNameBox = 3;

struct LabelChoicesTest : ::testing::Test {
    // The removal keeps every other key and records what it was asked.
    LabelChoices choices{[this](const MatchList& matches, DuplicateMode mode) {
        asked.append({matches, mode});
        MatchList kept;
        for (qsizetype i = 0; i < matches.size(); i += 2) kept << matches[i];
        return kept;
    }};
    QList<std::pair<MatchList, DuplicateMode>> asked;
    const MatchList evaluated{"k1", "k2", "k3"};

    void SetUp() override { choices.start(evaluated); }
    void custom(int box, const QString& number) {
        choices.typeBox(box, number);
        choices.leaveBox(box);
    }
};

TEST_F(LabelChoicesTest, OutputIsOfferedOnlyForALayoutThatCanBePrinted) {
    using Steps = std::function<void(LabelChoicesTest&)>;
    const auto mode = [](D m) { return [m](LabelChoicesTest& t) { t.choices.chooseMode(m); }; };
    const auto style = [](int s) { return [s](LabelChoicesTest& t) { t.choices.chooseStyle(s); }; };
    const auto firstLine = [](LabelChoicesTest& t) { t.choices.chooseFirstLine(1); };
    const auto company = [](LabelChoicesTest& t) { t.custom(kCompanyBox, "2"); };
    const auto reSelect = [](LabelChoicesTest& t) { t.choices.reSelect(); };
    struct Case {
        const char* what;
        QList<Steps> steps;
        bool shown;
    } cases[] = {
        {"nothing chosen", {}, false},
        {"records, style 1", {mode(D::Record), style(1)}, true},
        {"records, style 4", {mode(D::Record), style(4)}, true},
        {"records, style 5 without a first line", {mode(D::Record), style(5)}, false},
        {"records, style 5 with a first line", {mode(D::Record), style(5), firstLine}, true},
        {"records, first line, then style 5", {mode(D::Record), firstLine, style(5)}, true},
        {"records, style 6", {mode(D::Record), firstLine, style(6)}, false},
        {"records, style 7", {mode(D::Record), style(7)}, false},
        {"records, custom, nothing typed", {mode(D::Record), style(kCustomStyle)}, false},
        {"records, custom, a box left empty",
         {mode(D::Record), style(kCustomStyle), [](LabelChoicesTest& t) { t.choices.leaveBox(kCompanyBox); }}, false},
        {"records, custom, a number typed", {mode(D::Record), style(kCustomStyle), company}, true},
        {"records, custom, cleared", {mode(D::Record), style(kCustomStyle), company,
                                      [](LabelChoicesTest& t) { t.choices.clearBoxes(); }}, false},
        {"family, style 1 without a first line", {mode(D::Family), style(1)}, false},
        {"family, style 1 with a first line", {mode(D::Family), firstLine, style(1)}, true},
        {"address, style 2 with a first line", {mode(D::Address), style(2), firstLine}, true},
        {"family, style 3", {mode(D::Family), firstLine, style(3)}, false},
        {"address, custom without a first line", {mode(D::Address), style(kCustomStyle), company}, false},
        {"address, custom with a first line", {mode(D::Address), firstLine, style(kCustomStyle), company}, true},
        {"a new mode starts over", {mode(D::Record), style(1), mode(D::Family)}, false},
        {"cancel", {mode(D::Record), style(1), mode(D::None)}, false},
        {"re-select", {mode(D::Record), style(1), reSelect}, false},
        {"a style after re-select", {mode(D::Record), style(1), reSelect, style(2)}, true},
        {"a first line after re-select", {mode(D::Record), style(5), firstLine, reSelect, firstLine}, true},
    };
    for (const Case& c : cases) {
        choices.start(evaluated);
        for (const Steps& step : c.steps) step(*this);
        EXPECT_EQ(choices.state().outputShown, c.shown) << c.what;
    }
}

TEST_F(LabelChoicesTest, TheModeDecidesTheGroupsShownAndStartsEverythingElseAgain) {
    LabelChoicesState s = choices.state();
    EXPECT_FALSE(s.mode);
    EXPECT_FALSE(s.firstLineShown || s.recordStylesShown || s.familyStylesShown || s.boxesShown || s.sampleShown);
    EXPECT_EQ(s.casing, LabelCasing::AsStored);
    EXPECT_EQ(s.sort, LabelSort::ByZip);
    EXPECT_EQ(s.matches, "3");
    EXPECT_TRUE(s.hint.startsWith("Hint:  The SQL system has the ability to remove duplicate mailing labels"));

    choices.chooseMode(D::Record);
    s = choices.state();
    EXPECT_EQ(s.firstLineTitle, "Select label first line (Optional)...");
    EXPECT_TRUE(s.recordStylesShown && s.boxesShown && s.firstLineShown);
    EXPECT_FALSE(s.familyStylesShown);

    choices.chooseFirstLine(kUserFirstLine);
    choices.typeUserText("Friends of");
    choices.chooseStyle(5);
    s = choices.state();
    EXPECT_TRUE(s.userTextShown && s.focusUserText && s.sampleShown);
    EXPECT_EQ(s.hint, "Hint:  The SQL system has finished with your request.");
    choices.leaveUserText();
    EXPECT_FALSE(choices.state().focusUserText);

    choices.chooseMode(D::Family);
    s = choices.state();
    EXPECT_EQ(s.firstLineTitle, "Select label first line (Required)...");
    EXPECT_TRUE(s.familyStylesShown);
    EXPECT_FALSE(s.recordStylesShown || s.userTextShown || s.sampleShown);
    EXPECT_EQ(s.firstLine, 0);
    EXPECT_EQ(s.style, 0);
    EXPECT_EQ(s.userText, "");
    EXPECT_TRUE(s.hint.startsWith("Hint:  Because you have asked for duplicate labels to be removed"));

    choices.chooseMode(D::None);
    s = choices.state();
    EXPECT_FALSE(s.firstLineShown || s.recordStylesShown || s.familyStylesShown || s.boxesShown);
    choices.chooseFirstLine(1);  // not offered
    choices.chooseStyle(1);
    EXPECT_EQ(choices.state().firstLine, 0);
    EXPECT_EQ(choices.state().style, 0);
}

TEST_F(LabelChoicesTest, DuplicatesGoWhenTheFirstLineIsChosenAlwaysFromTheEvaluatedMatches) {
    choices.chooseMode(D::Record);
    choices.chooseFirstLine(1);
    EXPECT_TRUE(asked.isEmpty());
    choices.chooseMode(D::Address);
    EXPECT_TRUE(asked.isEmpty());  // not before the first line
    choices.chooseFirstLine(2);
    choices.chooseFirstLine(3);  // again from all three, not from what is left
    EXPECT_EQ(asked, (QList<std::pair<MatchList, D>>{{evaluated, D::Address}, {evaluated, D::Address}}));
    EXPECT_EQ(choices.matches(), (MatchList{"k1", "k3"}));
    EXPECT_EQ(choices.state().matches, "2");
    choices.chooseMode(D::Record);  // one label per record again: every match
    EXPECT_EQ(choices.matches(), evaluated);
}

TEST_F(LabelChoicesTest, AStyleFillsAndLocksTheBoxesAndCustomOpensThem) {
    choices.chooseMode(D::Record);
    choices.chooseStyle(5);
    LabelChoicesState s = choices.state();
    EXPECT_EQ(QStringList(s.boxes.begin(), s.boxes.end()),
              (QStringList{"1", "", "", "2", "", "", "", "", "", "", "3", "4", "5"}));
    EXPECT_FALSE(s.boxEditable[kCompanyBox]);
    EXPECT_FALSE(s.clearEnabled);
    choices.typeBox(kCompanyBox, "2");  // locked
    EXPECT_EQ(choices.state().boxes[kCompanyBox], "");

    choices.chooseStyle(kCustomStyle);
    s = choices.state();
    EXPECT_EQ(QStringList(s.boxes.begin(), s.boxes.end()), QStringList(kLabelBoxCount, QString()));
    EXPECT_TRUE(s.boxEditable[kCompanyBox] && s.boxEditable[kNameBox] && s.clearEnabled);
    for (const char* refused : {"0", "6", "12", "x"}) choices.typeBox(kCompanyBox, refused);
    EXPECT_EQ(choices.state().boxes[kCompanyBox], "");
    custom(kCompanyBox, "2");
    custom(kAddress1Box, "2");
    EXPECT_EQ(choices.setup().layout, (LabelLayout{LabelEntry::Blank, LabelEntry::Address1}));

    // A family label has no one person's name.
    choices.chooseMode(D::Family);
    choices.chooseStyle(kCustomStyle);
    EXPECT_FALSE(choices.state().boxEditable[kNameBox]);
    choices.typeBox(kNameBox, "1");
    EXPECT_EQ(choices.state().boxes[kNameBox], "");
}

TEST_F(LabelChoicesTest, TheSampleShowsTheStyle) {
    struct Case {
        D mode;
        int style;
        QStringList sample;
    } cases[] = {
        {D::Record, 1, {"Marta J. Lindqvist", "Club Treasurer", "418 Cottonwood Lane", "P.O. Box 27", "Lander, WY 82520"}},
        {D::Record, 5, {"Canned or User Defined First Line", "Marta J. Lindqvist", "418 Cottonwood Lane", "P.O. Box 27",
                        "Lander, WY 82520"}},
        {D::Family, 2, {"Canned or User Defined First Line", "418 Cottonwood Lane", "Lander, WY 82520"}},
        {D::Record, kCustomStyle, {"Custom Designed - Please enter desired Field Lines"}},
        {D::Record, 6, {"Undefined - Contact Halvorin"}},
        {D::Address, 3, {"Undefined - Contact Halvorin"}},
    };
    for (const Case& c : cases) {
        choices.chooseMode(c.mode);
        EXPECT_FALSE(choices.state().sampleShown);
        choices.chooseStyle(c.style);
        EXPECT_TRUE(choices.state().sampleShown);
        EXPECT_EQ(choices.state().sample, c.sample) << int(c.mode) << " style " << c.style;
    }
}

TEST_F(LabelChoicesTest, TheSetupCarriesTheLayoutFirstLineCasingAndSort) {
    choices.chooseMode(D::Record);
    choices.chooseStyle(2);
    choices.chooseFirstLine(3);
    choices.chooseCasing(LabelCasing::Usps);
    choices.chooseSort(LabelSort::ByName);
    LabelSetup setup = choices.setup();
    EXPECT_EQ(setup.layout, *standardLayout(D::Record, 2));
    EXPECT_EQ(setup.firstLine, "To all the fine folk's at");
    EXPECT_EQ(setup.casing, LabelCasing::Usps);
    EXPECT_EQ(setup.sort, LabelSort::ByName);

    choices.chooseFirstLine(kUserFirstLine);
    choices.typeUserText("To the Lindqvists at");
    EXPECT_EQ(choices.setup().firstLine, "To the Lindqvists at");
    choices.chooseFirstLine(4);
    EXPECT_EQ(choices.setup().firstLine, "To all interested parties at");

    choices.start({"k9"});  // the defaults again
    setup = choices.setup();
    EXPECT_EQ(setup.casing, LabelCasing::AsStored);
    EXPECT_EQ(setup.sort, LabelSort::ByZip);
    EXPECT_EQ(setup.layout, LabelLayout{});
    EXPECT_EQ(choices.matches(), MatchList{"k9"});
}

}  // namespace
