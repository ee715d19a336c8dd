#include "designer/page_designer/designer_messages.h"
#include "page_designer_fixture.h"

using namespace vn;
using namespace vn::test;
using namespace vn::definition_tables;

class ModifyingTest : public PageDesignerFixture {};

TEST_F(ModifyingTest, SelectingAFieldFillsTheModifyViewAndLocksThePage) {
    openDesigner();
    addField(FieldKind::Text, "Name");
    designer->select(1);

    EXPECT_EQ(view().panel, DesignerPanel::Modify);
    EXPECT_EQ(view().kind, FieldKind::Text);
    EXPECT_EQ(view().inputs.name, "Name");
    EXPECT_EQ(view().inputs.size, 10);
    EXPECT_EQ(view().highlighted, 1);
    EXPECT_FALSE(view().fieldsEnabled);
    EXPECT_FALSE(view().pageButtonsEnabled);
    EXPECT_TRUE(view().moveEnabled);

    designer->confirmModify();
    EXPECT_EQ(view().highlighted, 0);
    EXPECT_TRUE(view().fieldsEnabled);
}

TEST_F(ModifyingTest, LeavingNewNameWritesAtOnceButNeverADuplicate) {
    openDesigner();
    addField(FieldKind::Text, "Name");
    addField(FieldKind::Text, "City");
    designer->select(2);

    FieldInputs in = view().inputs;
    in.name = "Name";
    designer->editInputs(in);
    designer->leaveNameOrSize();
    EXPECT_EQ(fdis("abc102", fdis::kCaption), "City");
    EXPECT_EQ(store.prompter.texts(), QStringList{designer_messages::kDuplicateName});

    designer->confirmModify();
    EXPECT_EQ(fdis("abc102", fdis::kCaption), "City");
    EXPECT_EQ(view().panel, DesignerPanel::Modify);

    in.name = "Town";
    in.size = 20;
    designer->editInputs(in);
    designer->leaveNameOrSize();
    EXPECT_EQ(fdis("abc102", fdis::kCaption), "Town");
    EXPECT_EQ(fdis("abc102", fdis::kWidth), "210");
    EXPECT_EQ(fdis("abc102", fdis::kSize), "20");
}

TEST_F(ModifyingTest, ConfirmingRecomputesTheSizeFromTheNewInputs) {
    openDesigner();
    addField(FieldKind::CheckBox, "Agree");
    designer->select(1);
    FieldInputs in = view().inputs;
    in.name = "I agree to the terms";
    designer->editInputs(in);
    designer->confirmModify();
    EXPECT_EQ(fdis("abc101", fdis::kWidth), QString::number(20 * 6 + 18));
    EXPECT_EQ(fdis("abc101", fdis::kSize), "20");
    EXPECT_EQ(view().panel, DesignerPanel::Options);
}

TEST_F(ModifyingTest, EachKindAsksItsOwnDeleteConfirmationAndOnlyOkDeletes) {
    const std::pair<FieldKind, QString> cases[] = {
        {FieldKind::Text, "Confirm Text Field deletion."},       {FieldKind::Memo, "Confirm Memo Field deletion."},
        {FieldKind::CheckBox, "Confirm Checkbox deletion."},     {FieldKind::RadioGroup, "Confirm Radio Group Deletion."},
        {FieldKind::Label, "Confirm Label deletion."},           {FieldKind::Link, "Confirm Link Field deletion."},
        {FieldKind::Table, "Confirm Table deletion."},
    };
    openDesigner();
    for (const auto& [kind, question] : cases) {
        const int number = addField(kind, "Field");
        const QString key = definitionKey("abc", 1, number);
        store.prompter.messages.clear();
        designer->select(number);
        store.prompter.answers = {Answer::No};
        designer->deleteField();
        EXPECT_EQ(fdis(key, fdis::kActive), "1") << question.toStdString();
        EXPECT_EQ(view().panel, DesignerPanel::Modify);

        designer->deleteField();
        EXPECT_EQ(store.prompter.texts(), (QStringList{question, question}));
        EXPECT_EQ(fdis(key, fdis::kActive), "0") << question.toStdString();
        EXPECT_EQ(view().panel, DesignerPanel::Options);
    }
}

TEST_F(ModifyingTest, DeletingAFieldOfAListWithRecordsAsksAgainNamingTheirNumber) {
    store.addRecords(kHeadSlot, {"abcmi023000001", "ABCmi023000002", "abdmi023000001"});
    openDesigner(true);
    addField(FieldKind::Text, "Name");
    designer->select(1);

    store.prompter.answers = {Answer::Ok, Answer::No};
    designer->deleteField();
    ASSERT_EQ(store.prompter.messages.size(), 2);
    EXPECT_TRUE(store.prompter.messages[1].text.contains("2 records"));
    EXPECT_EQ(fdis("abc101", fdis::kActive), "1");

    designer->deleteField();
    EXPECT_EQ(fdis("abc101", fdis::kActive), "0");
}

TEST_F(ModifyingTest, DisplayDeletedFieldsBringsThemBack) {
    openDesigner();
    addField(FieldKind::Text, "Name");
    addField(FieldKind::Text, "City");
    EXPECT_FALSE(view().displayDeletedEnabled);
    designer->select(1);
    designer->deleteField();
    EXPECT_TRUE(view().displayDeletedEnabled);
    EXPECT_EQ(fdis("abc102", fdis::kTabOrder), "1");

    designer->displayDeletedFields();
    EXPECT_EQ(fdis("abc101", fdis::kActive), "1");
    EXPECT_FALSE(view().displayDeletedEnabled);
}
