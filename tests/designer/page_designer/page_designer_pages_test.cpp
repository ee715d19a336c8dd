#include "lists/definitions/column_map.h"
#include "designer/page_designer/designer_messages.h"
#include "page_designer_fixture.h"

using namespace vn;
using namespace vn::test;
using namespace vn::definition_tables;

class PagesTest : public PageDesignerFixture {
protected:
    QStringList copyCaptions() const {
        QStringList all;
        for (const CopyButton& b : view().copyButtons) all << b.caption;
        return all;
    }
    bool copyEnabled(int page) const {
        for (const CopyButton& b : view().copyButtons)
            if (b.page == page) return b.enabled;
        return false;
    }
};

TEST_F(PagesTest, OpeningShowsPageOneAndTheHeaderSample) {
    putDefinition(store.access, "abc101", int(FieldKind::Text), 1, {{fdis::kTabOrder, "0"}});
    openDesigner();
    EXPECT_EQ(view().page, 1);
    EXPECT_TRUE(view().pageButtons[0].bold);
    EXPECT_FALSE(view().pageButtons[1].bold);
    EXPECT_EQ(view().panel, DesignerPanel::Options);
    EXPECT_EQ(view().recordCodeSample, "abcmi_023XXXX");
    EXPECT_EQ(fdis("abc101", fdis::kTabOrder), "1");  // a lone text field is numbered too
}

TEST_F(PagesTest, CopyButtonsNameTheOtherPagesAndNeedAnEmptyCurrentPage) {
    putDefinition(store.access, "abc101", int(FieldKind::Text), 1);
    openDesigner();
    designer->switchPage(3);
    EXPECT_EQ(copyCaptions(), (QStringList{"Copy Page 1", "Copy Page 2", "Copy Page 4", "Copy Page 5", "Copy Page 6"}));
    EXPECT_TRUE(copyEnabled(1));
    EXPECT_FALSE(copyEnabled(2));

    addField(FieldKind::Label, "Hello");
    for (const CopyButton& b : view().copyButtons) EXPECT_FALSE(b.enabled) << b.caption.toStdString();
}

TEST_F(PagesTest, SwitchingPagesIsLockedWhileAFieldIsAdded) {
    openDesigner();
    ASSERT_TRUE(designer->add(FieldKind::Text));
    designer->switchPage(2);
    EXPECT_EQ(view().page, 1);
    EXPECT_EQ(view().panel, DesignerPanel::Add);
}

TEST_F(PagesTest, CopyingAPageCopiesItsRowsTableAndSelectionItems) {
    openDesigner();
    addField(FieldKind::Text, "Colour");
    addField(FieldKind::Table, "Scores");
    putRow(store.access, kFdisSlot, "abc101", {{fdis::kHasList, "1"}});
    putRow(store.access, kSelcSlot, "abc011Red", {{1, "1"}});
    putRow(store.access, kSelcSlot, "abc011Blue", {{1, "0"}});
    putRow(store.access, kHelpSlot, "abc101", {{help::kText, "Say a colour"}});
    putRow(store.access, kHelpSlot, "abc201", {{help::kText, "Left over"}});

    designer->switchPage(2);
    designer->copyPage(1);

    EXPECT_EQ(view().page, 2);
    EXPECT_EQ(view().panel, DesignerPanel::Options);
    for (int field = fdis::kActive; field <= fdis::kColour; ++field) {
        if (field == fdis::kTabOrder) continue;
        EXPECT_EQ(fdis("abc201", field), fdis("abc101", field)) << field;
        EXPECT_EQ(fdis("abc202", field), fdis("abc102", field)) << field;
    }
    EXPECT_EQ(stored(kTdatSlot, "abc202", tdat::kName), "Scores");
    EXPECT_EQ(stored(kSelcSlot, "abc012Red", 1), "1");
    EXPECT_EQ(stored(kSelcSlot, "abc012Blue", 1), "0");
    EXPECT_FALSE(exists(kHelpSlot, "abc201"));
    EXPECT_FALSE(copyEnabled(1));
}

TEST_F(PagesTest, ErasingAPageStartsItsNumbersAndSlotsAgain) {
    openDesigner();
    designer->switchPage(2);
    addField(FieldKind::Text, "Name");
    addField(FieldKind::Text, "City");
    putRow(store.access, kSelcSlot, "abc012Red", {{1, "0"}});
    putRow(store.access, kSelcSlot, "abc011Other", {{1, "0"}});
    putRow(store.access, kHelpSlot, "abc202", {{help::kText, "Say the city"}});
    putRow(store.access, kFdisSlot, "abc200", {{fdis::kCaption, "Contact"}});

    store.prompter.answers = {Answer::No};
    designer->erasePage();
    EXPECT_TRUE(exists(kFdisSlot, "abc201"));

    designer->erasePage();
    EXPECT_EQ(store.prompter.texts(), (QStringList{designer_messages::kEraseCaution, designer_messages::kEraseCaution}));
    EXPECT_EQ(store.prompter.beeps, 2);
    EXPECT_FALSE(exists(kFdisSlot, "abc201"));
    EXPECT_FALSE(exists(kFdisSlot, "abc202"));
    EXPECT_FALSE(exists(kHelpSlot, "abc202"));
    EXPECT_EQ(store.keys(kSelcSlot), QStringList{"abc011Other"});
    EXPECT_TRUE(exists(kFdisSlot, "abc200"));

    EXPECT_EQ(addField(FieldKind::Text, "Fresh"), 1);
    EXPECT_EQ(definition(1).slot, 1);
    EXPECT_EQ(definition(1).recordColumn(), 1);
}

TEST_F(PagesTest, ErasingAPageOfAListWithRecordsAsksAgain) {
    store.addRecords(kHeadSlot, {"abcmi023000001"});
    openDesigner(true);
    addField(FieldKind::Text, "Name");
    store.prompter.answers = {Answer::Ok, Answer::No};
    designer->erasePage();
    ASSERT_EQ(store.prompter.messages.size(), 2);
    EXPECT_TRUE(store.prompter.messages[1].text.contains("1 record."));
    EXPECT_TRUE(exists(kFdisSlot, "abc101"));
}

TEST_F(PagesTest, APageTitleOfMoreThanTwelveCharactersIsRefused) {
    openDesigner();
    designer->openPageTitle();
    EXPECT_EQ(view().panel, DesignerPanel::PageTitle);
    EXPECT_EQ(view().pageTitleName, "Page 1");
    EXPECT_EQ(view().pageTitleText, "");
    designer->takeFocus();

    EXPECT_FALSE(designer->leavePageTitle("Thirteen char"));
    EXPECT_EQ(store.prompter.texts(), QStringList{designer_messages::kPageTitleTooLong});
    EXPECT_EQ(view().pageTitleText, "");
    EXPECT_EQ(designer->takeFocus(), DesignerFocus::PageTitle);
    designer->confirmPageTitle("Thirteen char");
    EXPECT_FALSE(exists(kFdisSlot, "abc100"));

    designer->confirmPageTitle("Contact");
    EXPECT_EQ(fdis("abc100", fdis::kCaption), "Contact");
    EXPECT_EQ(fdis("abc100", fdis::kKind), "0");
    EXPECT_EQ(view().pageButtons[0].caption, "Contact");
    EXPECT_EQ(view().panel, DesignerPanel::Options);

    designer->openPageTitle();
    EXPECT_EQ(view().pageTitleText, "Contact");
    designer->confirmPageTitle("");
    EXPECT_EQ(fdis("abc100", fdis::kCaption), "Page 1");
}

TEST_F(PagesTest, RetitlingAPageOfAListWithRecordsShowsTheDataNote) {
    openDesigner(true);
    designer->openPageTitle();
    designer->confirmPageTitle("Contact");
    EXPECT_EQ(view().panel, DesignerPanel::DataNote);
    designer->closeDataNote();
    EXPECT_EQ(view().panel, DesignerPanel::Options);
}

TEST_F(PagesTest, LeavingRewritesEveryActiveDefinitionWithItsKindsFields) {
    putDefinition(store.access, "abc101", int(FieldKind::CheckBox), 1,
                  {{fdis::kCaption, "Agree to the terms"}, {fdis::kSize, "3"}});
    putDefinition(store.access, "abc301", int(FieldKind::CheckBox), 1, {{fdis::kCaption, "Agree"}, {fdis::kSize, "3"}});
    putRow(store.access, kFdisSlot, "abc301", {{fdis::kActive, "0"}});
    openDesigner();
    designer->exit();
    EXPECT_EQ(fdis("abc101", fdis::kSize), "18");
    EXPECT_EQ(fdis("abc301", fdis::kSize), "3");
    EXPECT_EQ(view().panel, DesignerPanel::None);
}
