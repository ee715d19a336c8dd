#include "requests/queue/target_change.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

FieldChoice pageChoice(int fieldNumber, const QString& identifier, const QString& caption, TargetInput input,
                       QList<TargetEntry> buttons = {}) {
    FieldChoice c;
    c.field = {1, fieldNumber};
    c.identifier = identifier;
    c.caption = c.piece = caption;
    c.input = input;
    c.slot = fieldNumber - 1;
    c.buttons = std::move(buttons);
    return c;
}

// Page 1: a text field with a selection list, a plain text field, a check box and a radio group
// whose third button has no caption.
TargetFields fields() {
    TargetFields f;
    f.fields.pages[0] = headerFields();
    PageFields& page = f.fields.pages[1];
    page.inUse = true;
    page.fields = {pageChoice(2, "abc101", "County", TargetInput::SelectionList),
                   pageChoice(3, "abc102", "Notes", TargetInput::Edit),
                   pageChoice(22, "abc103", "Member", TargetInput::CheckBoxList),
                   pageChoice(62, "abc104", "Color", TargetInput::RadioList, {{"Red", "1"}, {"Green", "2"}, {"Blue", "4"}})};
    for (int n = 1; n <= 16; ++n) f.headerNames << QStringLiteral("H%1").arg(n);
    f.selectionItems = [](int page, int slot) {
        return page == 1 && slot == 1 ? QStringList{"Natrona", "Albany", "Laramie"} : QStringList{};
    };
    return f;
}

SqlCondition condition(int page, int fieldNumber, const QString& identifier, const QString& target,
                       Connector connector = Connector::And) {
    SqlCondition c;
    c.field = {page, fieldNumber};
    c.fieldIdentifier = identifier;
    c.target = target;
    c.connector = connector;
    return c;
}

StoredRequest stored(QList<SqlCondition> conditions, const QString& display) {
    StoredRequest s;
    s.key = "abc  Request";
    s.request.kind = RequestKind::Count;
    s.request.conditions = std::move(conditions);
    s.request.conditions.last().connector = Connector::None;
    s.displayParts = splitDisplayText(display);
    s.request.displayText = joinDisplayText(s.displayParts);
    return s;
}

// One condition of each input, as the builder shows them.
StoredRequest everyInput() {
    return stored({condition(0, 2, "", "Mr."), condition(0, 6, "", ""), condition(1, 2, "abc101", "Albany"),
                   condition(1, 22, "abc103", "0"), condition(1, 62, "abc104", "4"), condition(0, 5, "", "N*"),
                   condition(1, 3, "abc102", "")},
                  "LBCount Records with \"Title\" = \"Mr.\" AND \"Suffix\" = \"\" AND \"County\" = \"Albany\" AND "
                  "\"Member\" = \"UnChecked\" AND \"Color\" = \"Blue\" AND \"Last\" = \"N*\" AND \"Notes\" = \"\" ");
}

TEST(TargetChange, RowsShowFieldsAndTargetsAsTheUserKnowsThem) {
    const TargetChangeState s = TargetChange(everyInput(), fields()).state();
    EXPECT_EQ(s.fields, QStringList({"H2", "H6", "County", "Member", "Color", "H5", "Notes"}));
    EXPECT_EQ(s.targets, QStringList({"Mr.", "", "Albany", "UnChecked", "Blue", "N*", ""}));
    EXPECT_EQ(s.input, NewTargetInput::None);
    EXPECT_FALSE(s.replaceEnabled);
}

struct Change {
    int row;
    int entry;      // picked from the list; -1: typed
    QString typed;  // when typed
    NewTargetInput input;
    QStringList entries;
    QString storedTarget;
    QString before, after;  // the condition's pieces in the display text
};

TEST(TargetChange, EachInputStoresItsFormAndPatchesItsOwnPiece) {
    const QList<Change> changes = {
        {0, 3, {}, NewTargetInput::List, {"", "Mr.", "Mrs.", "Ms.", "Dr."}, "Ms.", R"("Title" = "Mr.")", R"("Title" = "Ms.")"},
        {1, 1, {}, NewTargetInput::List, {"", "Jr", "Sr", "Esq"}, "Jr", R"("Suffix" = "")", R"("Suffix" = "Jr")"},
        {2, 2, {}, NewTargetInput::List, {"Albany", "Laramie", "Natrona"}, "Natrona", R"("County" = "Albany")",
         R"("County" = "Natrona")"},
        {3, 1, {}, NewTargetInput::List, {"UnChecked", "Checked"}, "1", R"("Member" = "UnChecked")",
         R"("Member" = "Checked")"},
        // The button's number, not its place among the captions.
        {4, 2, {}, NewTargetInput::List, {"Red", "Green", "Blue"}, "4", R"("Color" = "Blue")", R"("Color" = "Blue")"},
        {4, 1, {}, NewTargetInput::List, {"Red", "Green", "Blue"}, "2", R"("Color" = "Blue")", R"("Color" = "Green")"},
        {5, -1, "M*", NewTargetInput::Edit, {}, "M*", R"("Last" = "N*")", R"("Last" = "M*")"},
        {6, -1, "late", NewTargetInput::Edit, {}, "late", R"("Notes" = "")", R"("Notes" = "late")"},
    };
    for (const Change& change : changes) {
        const StoredRequest before = everyInput();
        TargetChange tc(before, fields());
        tc.chooseRow(change.row);
        EXPECT_EQ(tc.state().input, change.input) << change.row;
        EXPECT_EQ(tc.state().entries, change.entries) << change.row;
        if (change.entry >= 0) tc.pickEntry(change.entry);
        else tc.typeTarget(change.typed);
        ASSERT_TRUE(tc.state().replaceEnabled) << change.row;
        SqlRequest written;
        tc.replace([&](const SqlRequest& r) { written = r; });
        EXPECT_EQ(written.conditions[change.row].target, change.storedTarget) << change.row;
        QString expected = before.request.displayText;
        expected.replace(change.before, change.after);
        EXPECT_EQ(written.displayText, expected);
        EXPECT_EQ(tc.state().requestText, showDisplayText(splitDisplayText(expected)));
        EXPECT_EQ(tc.state().targets[change.row], tc.state().editText.isEmpty() ? change.after.section('"', 3, 3) : "");
        EXPECT_EQ(tc.stored().request.conditions[change.row].target, change.storedTarget);
    }
}

// The target's own piece changes even where the same text stands earlier, in a caption or in an
// empty target before it.
TEST(TargetChange, OnlyTheConditionsOwnTargetChanges) {
    const StoredRequest s = stored({condition(1, 3, "abc102", ""), condition(0, 5, "", "Notes")},
                                   R"(LBCount Records with "Notes" = "" AND "Last" = "Notes" )");
    for (int row : {0, 1}) {
        TargetChange tc(s, fields());
        tc.chooseRow(row);
        tc.typeTarget("X");
        SqlRequest written;
        tc.replace([&](const SqlRequest& r) { written = r; });
        EXPECT_EQ(written.displayText, row == 0 ? R"(LBCount Records with "Notes" = "X" AND "Last" = "Notes" )"
                                                : R"(LBCount Records with "Notes" = "" AND "Last" = "X" )");
    }
}

// Quotes inside a caption or a target upset the pairs: the text is made again from the
// conditions, and split again into parts that fit.
TEST(TargetChange, ATextWhoseQuotesDoNotPairIsMadeAgain) {
    const StoredRequest s = stored({condition(0, 5, "", "O\"Neil", Connector::Or), condition(1, 3, "abc102", "x")},
                                   R"(LBCount Records with "Last" = "O"Neil" OR "Notes" = "x" )");
    TargetChange tc(s, fields());
    tc.chooseRow(1);
    tc.typeTarget(QString(90, u'y'));
    SqlRequest written;
    tc.replace([&](const SqlRequest& r) { written = r; });
    EXPECT_EQ(written.displayText, R"(LBCount Records with "Last" = "O"Neil" OR "Notes" = ")" + QString(90, u'y') + "\" ");
    EXPECT_EQ(joinDisplayText(tc.stored().displayParts), written.displayText);
    EXPECT_FALSE(tc.stored().displayParts[1].isEmpty());
}

TEST(TargetChange, AFieldWhoseDefinitionIsGoneKeepsItsNumberAndAnEditBox) {
    TargetChange tc(stored({condition(1, 5, "abc199", "5")}, R"(LBCount Records with "Old" = "5" )"), fields());
    EXPECT_EQ(tc.state().fields, QStringList({"Field 5"}));
    tc.chooseRow(0);
    EXPECT_EQ(tc.state().input, NewTargetInput::Edit);
    tc.typeTarget("6");
    SqlRequest written;
    tc.replace([&](const SqlRequest& r) { written = r; });
    EXPECT_EQ(written.conditions[0].field, (FieldRef{1, 5}));
    EXPECT_EQ(written.conditions[0].target, "6");
}

TEST(TargetChange, AFailedWriteChangesNothing) {
    TargetChange tc(everyInput(), fields());
    tc.chooseRow(5);
    tc.typeTarget("M*");
    EXPECT_THROW(tc.replace([](const SqlRequest&) { throw std::runtime_error("full"); }), std::runtime_error);
    EXPECT_EQ(tc.state().targets[5], "N*");
    EXPECT_EQ(tc.stored().request.displayText, everyInput().request.displayText);
    EXPECT_TRUE(tc.state().replaceEnabled);
}

}  // namespace
