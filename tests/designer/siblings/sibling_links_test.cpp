#include "designer/page_designer/page_designer_fixture.h"
#include "designer/siblings/header_link.h"
#include "designer/siblings/sibling_field_list.h"
#include "lists/definitions/list_fields.h"
#include "support/sibling_fixture.h"
#include "support/temp_folder.h"

#include <QFile>

using namespace vn;
using namespace vn::definition_tables;

namespace {

// A list "abc" in the designer, and Grovanta installed beside us (Pavilo and KOVRA are not).
class SiblingLinksTest : public test::PageDesignerFixture {
protected:
    SiblingLinksTest() {
        test::makeSibling(sibling.path(), SiblingProduct::Grovanta);
        places = test::siblingPlaces(sibling.path(), {SiblingProduct::Grovanta});
        openDesigner();
        fields.open(places);
    }
    const SiblingField& field(const QString& name) {
        for (const SiblingField& f : fields.fields())
            if (f.name == name) return f;
        throw std::runtime_error("no such field");
    }

    test::TempFolder sibling;
    SiblingPlaces places;
    SiblingFieldList fields{store.prompter};
};

TEST_F(SiblingLinksTest, SetButtonsGoByTheirProductsPresence) {
    const QList<SiblingSetGroup> groups = fields.groups();
    ASSERT_EQ(groups.size(), 3);
    QStringList titles;
    QList<int> enabled;
    for (const SiblingSetGroup& g : groups) {
        titles << g.title;
        for (const SiblingSetButton& b : g.buttons)
            if (b.enabled) enabled << b.set;
    }
    EXPECT_EQ(titles, QStringList({"Grovanta!", "Pavilo!", "KOVRA"}));
    EXPECT_EQ(enabled, QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(groups[0].buttons[1].caption, "Leaders");

    fields.chooseSet(5);  // Pavilo is not here
    EXPECT_FALSE(fields.showingFields());
}

// Field names in field order from field 1 (the key is not offered), their numbers as stored.
TEST_F(SiblingLinksTest, ASetListsItsFieldsAfterTheKey) {
    fields.chooseSet(1);
    ASSERT_TRUE(fields.showingFields());
    EXPECT_EQ(fields.caption(), "Grovanta Member Fields");
    ASSERT_FALSE(fields.fields().isEmpty());
    EXPECT_EQ(fields.fields()[0].number, 1);
    EXPECT_EQ(fields.fields()[0].name, "Last");
    EXPECT_EQ(fields.fields()[1].name, "First");
    EXPECT_TRUE(fields.note().isEmpty());
    EXPECT_TRUE(store.prompter.messages.isEmpty());
}

// A sibling field wider than a page text field comes in at the widest one, and the view says so.
TEST_F(SiblingLinksTest, AWideFieldIsAddedAtThePagesWidestTextField) {
    fields.chooseSet(3);
    const SiblingField wide = field("Group Name");
    EXPECT_EQ(wide.size, 81);
    EXPECT_EQ(fields.note(), "Fields wider than 81 characters are added at 81.");
    ASSERT_TRUE(fields.chooseField(*designer, wide.number));
    EXPECT_EQ(view().panel, DesignerPanel::Add);
    EXPECT_EQ(view().inputs.name, "Group Name");
    EXPECT_EQ(view().inputs.size, 81);
    ASSERT_TRUE(view().placeEnabled);
    designer->place();
    designer->continueAdd();
    EXPECT_EQ(fdis("abc101", fdis::kDataSet), "3");
    EXPECT_EQ(fdis("abc101", fdis::kDataSetField), QString::number(wide.number));
    EXPECT_EQ(fdis("abc101", fdis::kWidth), "820");
    EXPECT_TRUE(store.prompter.messages.isEmpty());
}

TEST_F(SiblingLinksTest, AMissingTableIsNamedAndListsNothing) {
    const QString file = places.fileOf(*siblingSource(2), true);
    ASSERT_TRUE(QFile::remove(file));
    fields.chooseSet(2);
    EXPECT_TRUE(fields.showingFields());
    EXPECT_TRUE(fields.fields().isEmpty());
    ASSERT_EQ(store.prompter.messages.size(), 1);
    EXPECT_EQ(store.prompter.messages[0].kind, "warning");
    EXPECT_TRUE(store.prompter.messages[0].text.contains("Lead1.db")) << store.prompter.messages[0].text.toStdString();
    EXPECT_FALSE(fields.chooseField(*designer, 1));
}

TEST_F(SiblingLinksTest, TheHeaderLinkShowsAndStoresTheListsChoice) {
    const struct {
        QString stored;
        int shown;
        int chosen;
        QString after;  // field 11 once chosen
    } cases[] = {
        {"5", 5, 9, "9"},  // Pavilo's choice shown though Pavilo is gone; the user's choice kept
        {"0", 0, 2, "2"},
        {"3", 0, 0, "0"},   // a code no choice has reads as none
        {"1", 1, 7, "1"},   // KOVRA is not here: its choice is refused
    };
    for (const auto& c : cases) {
        test::putRow(store.access, kListSlot, "abc", {{list_field::kHeaderLinkCode, c.stored}});
        HeaderLink link(store.access, "abc", places);
        EXPECT_EQ(link.code(), c.shown) << c.stored.toStdString();
        link.choose(c.chosen);
        EXPECT_EQ(stored(kListSlot, "abc", list_field::kHeaderLinkCode), c.after) << c.stored.toStdString();
    }
    HeaderLink link(store.access, "abc", places);
    EXPECT_FALSE(link.enabled(5));
    EXPECT_TRUE(link.enabled(1));
    EXPECT_TRUE(link.enabled(9));
}

}  // namespace
