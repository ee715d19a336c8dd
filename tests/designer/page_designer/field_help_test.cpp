#include "designer/page_designer/field_help.h"
#include "page_designer_fixture.h"
#include "platform/help_agent.h"

using namespace vn;
using namespace vn::definition_tables;

namespace {

// A character that records what it was asked to do.
class FakeAgent : public HelpAgent {
public:
    bool enabled() const override { return on; }
    void speak(const QString& text, QPoint point) override { spoken.append({text, point}); }
    void hide() override { ++hidden; }

    bool on = true;
    QList<std::pair<QString, QPoint>> spoken;
    int hidden = 0;
};

class FieldHelpTest : public test::PageDesignerFixture {
protected:
    FieldHelpTest() {
        openDesigner();
        help = std::make_unique<FieldHelp>(store.access, store.prompter, agent);
    }
    // Opens the help view of the field in the add or modify view, as the window does.
    bool openHelp() {
        if (!designer->openFieldHelp()) return false;
        help->open(designer->editedKey());
        return true;
    }
    QString helpText(const QString& key) { return stored(kHelpSlot, key, help::kText); }

    FakeAgent agent;
    std::unique_ptr<FieldHelp> help;
};

// From an add view the field gets its row first; saving returns to the view it came from.
TEST_F(FieldHelpTest, AnAddViewCreatesTheRowAndSavesUnderTheFieldsKey) {
    designer->switchPage(2);
    addField(FieldKind::Text, "First");
    ASSERT_TRUE(designer->add(FieldKind::CheckBox));
    designer->editInputs(filled(FieldKind::CheckBox, "Paid"));
    ASSERT_TRUE(openHelp());
    EXPECT_EQ(view().panel, DesignerPanel::FieldHelp);
    EXPECT_EQ(help->key(), "abc202");
    EXPECT_EQ(fdis("abc202", fdis::kCaption), "Paid");
    EXPECT_TRUE(help->text().isEmpty());
    ASSERT_TRUE(help->save("Tick when the fee is paid."));
    designer->closeFieldHelp();
    EXPECT_EQ(view().panel, DesignerPanel::Add);
    EXPECT_TRUE(view().placeEnabled);  // the row exists but the field is not yet placed
    EXPECT_EQ(helpText("abc202"), "Tick when the fee is paid.");
}

TEST_F(FieldHelpTest, AModifyViewShowsTheStoredTextAndReturnsToModifying) {
    const int number = addField(FieldKind::Memo, "Notes");
    test::putRow(store.access, kHelpSlot, "abc101", {{help::kText, "Anything else."}});
    designer->select(number);
    ASSERT_TRUE(openHelp());
    EXPECT_EQ(help->text(), "Anything else.");
    ASSERT_TRUE(help->save("Changed."));
    designer->closeFieldHelp();
    EXPECT_EQ(view().panel, DesignerPanel::Modify);
    EXPECT_EQ(helpText("abc101"), "Changed.");
}

TEST_F(FieldHelpTest, OnlyKindsTheCharacterSpeaksForOfferHelp) {
    const struct {
        FieldKind kind;
        bool offered;
    } cases[] = {{FieldKind::Text, true},      {FieldKind::Memo, true},  {FieldKind::CheckBox, true},
                 {FieldKind::RadioGroup, true}, {FieldKind::Link, true}, {FieldKind::Label, false},
                 {FieldKind::Table, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(designer->add(c.kind));
        designer->editInputs(filled(c.kind, "Field"));
        EXPECT_EQ(view().helpEnabled, c.offered) << int(c.kind);
        EXPECT_EQ(designer->openFieldHelp(), c.offered) << int(c.kind);
        designer->closeFieldHelp();
        designer->continueAdd();
    }
}

TEST_F(FieldHelpTest, AnEmptyMemoStoresAnEmptyText) {
    ASSERT_TRUE(designer->add(FieldKind::Text));
    ASSERT_TRUE(openHelp());
    ASSERT_TRUE(help->save(""));
    EXPECT_TRUE(exists(kHelpSlot, "abc101"));
    EXPECT_EQ(helpText("abc101"), "");
}

// The text is never cut unseen where it is stored: the memo stops at the limit, and a longer text
// is refused whole.
TEST_F(FieldHelpTest, TextLongerThanTheHelpHoldsIsNeverCutSilently) {
    ASSERT_TRUE(designer->add(FieldKind::Text));
    ASSERT_TRUE(openHelp());
    const int limit = help->maxLength();
    ASSERT_EQ(limit, store.access.GetFieldSize(kHelpSlot, help::kText));
    const QString full(limit, u'a');
    EXPECT_EQ(help->limited(full), full);
    EXPECT_EQ(store.prompter.beeps, 0);
    EXPECT_EQ(help->limited(full + "bc"), full);
    EXPECT_EQ(store.prompter.beeps, 1);

    EXPECT_FALSE(help->save(full + "b"));
    EXPECT_EQ(store.prompter.messages.last().kind, "warning");
    EXPECT_FALSE(exists(kHelpSlot, "abc101"));
    EXPECT_TRUE(help->save(full));
    EXPECT_EQ(helpText("abc101"), full);
}

TEST_F(FieldHelpTest, PreviewSpeaksTheMemoOnlyWhileTheCharacterIsOn) {
    ASSERT_TRUE(designer->add(FieldKind::Text));
    ASSERT_TRUE(openHelp());
    help->preview("Your first name.");
    help->preview("");
    ASSERT_EQ(agent.spoken.size(), 2);
    EXPECT_EQ(agent.spoken[0], std::make_pair(QString("Your first name."), QPoint(200, 300)));
    EXPECT_EQ(agent.spoken[1].first, "Please enter desired text in the memo box.");
    help->hideAgent();
    EXPECT_EQ(agent.hidden, 1);

    agent.on = false;
    EXPECT_FALSE(help->previewEnabled());
    help->preview("Not spoken.");
    EXPECT_EQ(agent.spoken.size(), 2);
}

}  // namespace
