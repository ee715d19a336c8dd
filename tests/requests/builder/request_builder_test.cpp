#include "requests/builder/builder_texts.h"
#include "requests/builder/request_builder.h"
#include "requests/builder/request_menu.h"
#include "support/recording_prompter.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr FieldRef kLast{0, 5}, kFirst{0, 3}, kTitle{0, 2}, kZip{0, 16};
constexpr FieldRef kNotes{1, 2}, kColor{1, 4}, kMember{1, 22}, kShirt{1, 62}, kCell{1, 72}, kSchool{3, 2};

FieldChoice pageField(FieldRef ref, const QString& caption, TargetInput input = TargetInput::Edit) {
    FieldChoice choice;
    choice.field = ref;
    choice.identifier = QStringLiteral("abc1%1").arg(ref.fieldNumber, 2, 10, QLatin1Char('0'));
    choice.caption = choice.piece = caption;
    choice.input = input;
    return choice;
}

// The header, page 1 with a typed text, a text with a selection list, a check box, a radio group
// whose third button is empty, and a table; page 3 with one text field.
ListFields sampleFields() {
    ListFields list;
    list.pages[0] = headerFields();
    PageFields& page1 = list.pages[1];
    page1.inUse = true;
    FieldChoice color = pageField(kColor, "Color", TargetInput::SelectionList);
    color.slot = 3;
    FieldChoice shirt = pageField(kShirt, "Shirt", TargetInput::RadioList);
    shirt.buttons = {{"Red", "1"}, {"Green", "2"}, {"Blue", "4"}};
    page1.fields = {pageField(kNotes, "Notes"), color, pageField(kMember, "Member", TargetInput::CheckBoxList), shirt};
    FieldGrid grid{"Scores", {"Fall"}, {"Math"}, {pageField(kCell, QString())}};
    grid.cells[0].piece = "T:Scores C:Fall R:Math";
    grid.cells[0].gridCell = true;
    page1.grid = grid;
    list.pages[3].inUse = true;
    list.pages[3].fields = {pageField(kSchool, "School")};
    return list;
}

struct RequestBuilderTest : ::testing::Test {
    RequestBuilderTest() : builder(prompter, [](int, int slot) { return slot == 3 ? QStringList{"bbb", "AAA", "aaa"} : QStringList(); }) {
        builder.setList("abc", sampleFields());
        builder.startKind(RequestKind::Count, EmailFilter::All);
    }

    // One condition with a typed target.
    void typed(FieldRef field, CompareOp op, const QString& target) {
        builder.showPage(field.page);
        builder.clickField(field);
        builder.clickOperator(op);
        builder.typeTarget(target);
        builder.leaveTarget();
    }
    // One condition whose targets are picked from its list.
    void picked(FieldRef field, QList<int> rows) {
        builder.showPage(field.page);
        builder.clickField(field);
        builder.clickOperator(CompareOp::Equal);
        builder.pickTargets(rows);
        builder.continueTargets();
    }
    QString text() const { return builder.request().displayText; }
    QList<SqlCondition> conditions() const { return builder.request().conditions; }

    test::RecordingPrompter prompter;
    RequestBuilder builder;
};

TEST_F(RequestBuilderTest, StartingAKindWritesItsPrefixAndWantsAField) {
    const BuilderState state = builder.state();
    EXPECT_EQ(text(), "LBCount Records with ");
    EXPECT_EQ(state.step, BuilderStep::FieldWanted);
    EXPECT_TRUE(state.hint.startsWith("Hint:  LBCount Records with...   At this point the SQL system wants a field name."));
    EXPECT_EQ(state.pageButtons, (QList<int>{0, 1, 3}));
    EXPECT_TRUE(state.fieldListEnabled);
    EXPECT_FALSE(state.operatorsShown);
    EXPECT_FALSE(state.connectorsShown);
}

TEST_F(RequestBuilderTest, AnotherFieldBeforeAnyOperatorReplacesTheField) {
    builder.clickField(kLast);
    builder.clickField(kFirst);
    ASSERT_EQ(conditions().size(), 1);
    EXPECT_EQ(conditions()[0].field, kFirst);
    EXPECT_EQ(text(), "LBCount Records with \"First\" ");
    EXPECT_EQ(builder.state().tickedField, kFirst);
    EXPECT_TRUE(builder.state().hint.startsWith("Hint:  At this point the SQL system wants an operator  for the field"));
}

TEST_F(RequestBuilderTest, ATypedTargetCompletesTheCondition) {
    typed(kLast, CompareOp::Equal, "N*");
    const BuilderState state = builder.state();
    EXPECT_EQ(text(), "LBCount Records with \"Last\" = \"N*\" ");
    EXPECT_EQ(state.step, BuilderStep::TargetGiven);
    EXPECT_TRUE(state.connectorsShown);
    EXPECT_TRUE(state.processEnabled);
    EXPECT_TRUE(state.hint.startsWith("Hint:  At this point the SQL system wants a connector."));
    const SqlCondition c = conditions().value(0);
    EXPECT_EQ(c.field, kLast);
    EXPECT_EQ(c.fieldIdentifier, "");
    EXPECT_EQ(c.op, CompareOp::Equal);
    EXPECT_EQ(c.target, "N*");
    EXPECT_EQ(c.connector, Connector::None);
}

TEST_F(RequestBuilderTest, AnEmptyTypedTargetIsATarget) {
    typed(kZip, CompareOp::NotEqual, "");
    EXPECT_EQ(text(), "LBCount Records with \"Zip\" <> \"\" ");
    EXPECT_EQ(builder.state().step, BuilderStep::TargetGiven);
}

TEST_F(RequestBuilderTest, EnteringTheBoxAgainTakesTheTargetAndItsParenthesesBack) {
    builder.addOpen();
    typed(kLast, CompareOp::Equal, "Smith");
    builder.addClose();
    builder.enterTarget();
    BuilderState state = builder.state();
    EXPECT_EQ(text(), "LBCount Records with ( \"Last\" = ");
    EXPECT_EQ(state.step, BuilderStep::OperatorChosen);
    EXPECT_EQ(state.targetText, "");
    EXPECT_EQ(state.closeCount, 0);
    builder.typeTarget("Jones");
    builder.leaveTarget();
    EXPECT_EQ(text(), "LBCount Records with ( \"Last\" = \"Jones\" ");
}

TEST_F(RequestBuilderTest, AnotherOperatorReplacesOperatorAndTarget) {
    typed(kLast, CompareOp::Equal, "Smith");
    builder.clickOperator(CompareOp::GreaterOrEqual);
    EXPECT_EQ(text(), "LBCount Records with \"Last\" >= ");
    EXPECT_EQ(builder.state().step, BuilderStep::OperatorChosen);
    EXPECT_TRUE(builder.state().focusTargetEdit);
    builder.typeTarget("M");
    builder.leaveTarget();
    EXPECT_EQ(text(), "LBCount Records with \"Last\" >= \"M\" ");
    ASSERT_EQ(conditions().size(), 1);
    EXPECT_EQ(conditions()[0].op, CompareOp::GreaterOrEqual);
}

TEST_F(RequestBuilderTest, AnotherConnectorReplacesTheConnectorAndKeepsTheOpenParenthesis) {
    typed(kLast, CompareOp::Equal, "Smith");
    builder.clickConnector(Connector::And);
    builder.addOpen();
    builder.clickConnector(Connector::Or);
    EXPECT_EQ(text(), "LBCount Records with \"Last\" = \"Smith\" OR ( ");
    EXPECT_EQ(conditions()[0].connector, Connector::Or);
    typed(kFirst, CompareOp::Equal, "Ann");
    EXPECT_EQ(conditions()[1].openParentheses, 1);
}

TEST_F(RequestBuilderTest, AndStartsTheNextCondition) {
    typed(kLast, CompareOp::Equal, "Smith");
    builder.clickConnector(Connector::And);
    BuilderState state = builder.state();
    EXPECT_EQ(state.step, BuilderStep::ConnectorChosen);
    EXPECT_EQ(state.tickedConnector, Connector::And);
    EXPECT_FALSE(state.tickedField);
    EXPECT_FALSE(state.operatorsShown);
    EXPECT_FALSE(state.processEnabled);
    typed(kFirst, CompareOp::Less, "B");
    EXPECT_EQ(text(), "LBCount Records with \"Last\" = \"Smith\" AND \"First\" < \"B\" ");
    ASSERT_EQ(conditions().size(), 2);
    EXPECT_EQ(conditions()[0].connector, Connector::And);
}

TEST_F(RequestBuilderTest, TitlePicksAreConditionsJoinedByOr) {
    picked(kTitle, {1, 4});
    EXPECT_EQ(text(), "LBCount Records with \"Title\" = \"Mr.\" OR \"Title\" = \"Dr.\" ");
    const QList<SqlCondition> c = conditions();
    ASSERT_EQ(c.size(), 2);
    EXPECT_EQ(c[0].target, "Mr.");
    EXPECT_EQ(c[0].connector, Connector::Or);
    EXPECT_EQ(c[1].field, kTitle);
    EXPECT_EQ(c[1].op, CompareOp::Equal);
    EXPECT_EQ(c[1].target, "Dr.");
    EXPECT_EQ(c[0].openParentheses + c[1].closeParentheses, 0);
    EXPECT_EQ(builder.state().step, BuilderStep::TargetGiven);
}

// Without the group, Smith AND Mr. OR Dr. would read (Smith AND Mr.) OR Dr.: every doctor.
TEST_F(RequestBuilderTest, PicksAfterAnEarlierConditionAreGrouped) {
    typed(kLast, CompareOp::Equal, "Smith");
    builder.clickConnector(Connector::And);
    picked(kTitle, {1, 4});
    EXPECT_EQ(text(), "LBCount Records with \"Last\" = \"Smith\" AND ( \"Title\" = \"Mr.\" OR \"Title\" = \"Dr.\" ) ");
    const QList<SqlCondition> c = conditions();
    ASSERT_EQ(c.size(), 3);
    EXPECT_EQ(c[1].openParentheses, 1);
    EXPECT_EQ(c[1].closeParentheses, 0);
    EXPECT_EQ(c[2].openParentheses, 0);
    EXPECT_EQ(c[2].closeParentheses, 1);
    const BuilderState state = builder.state();
    EXPECT_EQ(state.openCount, 0);
    EXPECT_EQ(state.closeCount, 0);
    EXPECT_FALSE(state.addCloseEnabled);
    ASSERT_TRUE(builder.process());
    EXPECT_EQ(builder.request().conditions[2].closeParentheses, 1);  // nothing of the user's to close
}

TEST_F(RequestBuilderTest, OnePickAfterAnEarlierConditionNeedsNoGroup) {
    typed(kLast, CompareOp::Equal, "Smith");
    builder.clickConnector(Connector::Or);
    picked(kTitle, {4});
    EXPECT_EQ(text(), "LBCount Records with \"Last\" = \"Smith\" OR \"Title\" = \"Dr.\" ");
}

TEST_F(RequestBuilderTest, ListsStoreTheirValueAndShowTheirCaption) {
    picked(kMember, {1});
    EXPECT_EQ(text(), "LBCount Records with \"Member\" = \"Checked\" ");
    EXPECT_EQ(conditions()[0].target, "1");
    builder.clickConnector(Connector::And);
    // The group's third button has no caption: Blue is button 4, which is what records hold.
    picked(kShirt, {2});
    EXPECT_EQ(text(), "LBCount Records with \"Member\" = \"Checked\" AND \"Shirt\" = \"Blue\" ");
    EXPECT_EQ(conditions()[1].target, "4");
}

TEST_F(RequestBuilderTest, TargetListsOfferTheirEntries) {
    struct Case {
        FieldRef field;
        QStringList shown;
        bool several;
    };
    const Case cases[] = {
        {kTitle, {"", "Mr.", "Mrs.", "Ms.", "Dr."}, true},
        {{0, 6}, {"", "Jr", "Sr", "Esq"}, true},
        {kColor, {"", "AAA", "aaa", "bbb"}, true},  // byte order below an empty entry
        {kMember, {"UnChecked", "Checked"}, false},
        {kShirt, {"Red", "Green", "Blue"}, false},
    };
    for (const Case& c : cases) {
        builder.startKind(RequestKind::List, EmailFilter::All);
        builder.showPage(c.field.page);
        builder.clickField(c.field);
        builder.clickOperator(CompareOp::Equal);
        const BuilderState state = builder.state();
        QStringList shown;
        for (const TargetEntry& e : state.targetEntries) shown << e.shown;
        EXPECT_EQ(shown, c.shown) << c.field.fieldNumber;
        EXPECT_EQ(state.severalPicks, c.several) << c.field.fieldNumber;
        EXPECT_FALSE(state.targetEditShown);
        EXPECT_FALSE(state.continueEnabled);
        builder.pickTargets({0});
        EXPECT_TRUE(builder.state().continueEnabled);
    }
}

TEST_F(RequestBuilderTest, OneChoiceListsKeepOnePick) {
    builder.showPage(1);
    builder.clickField(kMember);
    builder.clickOperator(CompareOp::Equal);
    builder.pickTargets({0, 1});
    builder.continueTargets();
    EXPECT_EQ(conditions().size(), 1);
}

TEST_F(RequestBuilderTest, GridCellsAreQuotedByTheirTitles) {
    builder.showPage(1);
    builder.clickField(kCell);
    EXPECT_EQ(builder.state().step, BuilderStep::GridCellChosen);
    EXPECT_EQ(text(), "LBCount Records with \"T:Scores C:Fall R:Math\" ");
    builder.clickOperator(CompareOp::Greater);
    EXPECT_TRUE(builder.state().targetEditShown);
}

TEST_F(RequestBuilderTest, OnlyTheShownPagesFieldsCanBeClicked) {
    builder.clickField(kSchool);  // page 3 is not shown
    EXPECT_EQ(builder.state().step, BuilderStep::FieldWanted);
    builder.showPage(2);  // not in use
    EXPECT_EQ(builder.state().shownPage, 0);
    builder.showPage(3);
    builder.clickField(kSchool);
    EXPECT_EQ(conditions().value(0).definitionPage, 3);
}

TEST_F(RequestBuilderTest, KindsShapeTheFieldList) {
    builder.startKind(RequestKind::Email, EmailFilter::WithAddress);
    builder.showPage(1);
    EXPECT_FALSE(builder.state().fields.grid);
    EXPECT_EQ(builder.request().emailFilter, EmailFilter::WithAddress);
    builder.startKind(RequestKind::WriteChecks, EmailFilter::All);
    EXPECT_EQ(builder.state().pageButtons, QList<int>{0});
    EXPECT_TRUE(builder.state().hint.startsWith("Hint:  Write Checks Records  with...   At this point the SQL system"));
    builder.startKind(RequestKind::List, EmailFilter::All);
    builder.showPage(1);
    EXPECT_TRUE(builder.state().fields.grid);
}

TEST_F(RequestBuilderTest, ParenthesesAroundOneCondition) {
    builder.addOpen();
    builder.addOpen();
    typed(kLast, CompareOp::Equal, "Smith");
    ASSERT_TRUE(builder.process());
    EXPECT_EQ(text(), "LBCount Records with ( ( \"Last\" = \"Smith\" ) ) ");
    EXPECT_EQ(conditions()[0].openParentheses, 2);
    EXPECT_EQ(conditions()[0].closeParentheses, 2);
    EXPECT_EQ(builder.state().closeCount, 2);
    EXPECT_FALSE(builder.state().parenthesesShown);
}

TEST_F(RequestBuilderTest, DeleteOpenTakesTheParenthesisBack) {
    builder.addOpen();
    EXPECT_EQ(text(), "LBCount Records with ( ");
    builder.deleteOpen();
    EXPECT_EQ(text(), "LBCount Records with ");
    EXPECT_EQ(builder.state().openCount, 0);
    EXPECT_FALSE(builder.state().deleteOpenEnabled);
}

// Which parenthesis buttons each step offers: "Add  )" only while a "(" is still open.
TEST_F(RequestBuilderTest, ParenthesisButtonsFollowTheCounts) {
    struct Case {
        const char* events;  // "(" ")" add, "-(" "-)" delete, F the field Last, T Last = "S", A And
        bool addOpen, deleteOpen, addClose, deleteClose;
    };
    const Case cases[] = {
        {"", true, false, false, false},
        {"(", true, true, false, false},
        {"( F", false, false, false, false},
        {"T", false, false, false, false},
        {"( T", false, false, true, false},
        {"( T )", false, false, false, true},
        {"( ( T )", false, false, true, true},
        {"( T ) -)", false, false, true, false},
        {"T A", true, false, false, false},
        {"( T ) A", true, false, false, false},
    };
    for (const Case& c : cases) {
        builder.startKind(RequestKind::Count, EmailFilter::All);
        for (const QString& event : QString::fromLatin1(c.events).split(' ', Qt::SkipEmptyParts)) {
            if (event == "(") builder.addOpen();
            if (event == "-(") builder.deleteOpen();
            if (event == ")") builder.addClose();
            if (event == "-)") builder.deleteClose();
            if (event == "F") builder.clickField(kLast);
            if (event == "T") typed(kLast, CompareOp::Equal, "S");
            if (event == "A") builder.clickConnector(Connector::And);
        }
        const BuilderState s = builder.state();
        EXPECT_EQ(s.addOpenEnabled, c.addOpen) << c.events;
        EXPECT_EQ(s.deleteOpenEnabled, c.deleteOpen) << c.events;
        EXPECT_EQ(s.addCloseEnabled, c.addClose) << c.events;
        EXPECT_EQ(s.deleteCloseEnabled, c.deleteClose) << c.events;
    }
}

TEST_F(RequestBuilderTest, ASurplusCloseIsRefused) {
    typed(kLast, CompareOp::Equal, "Smith");
    builder.addClose();
    EXPECT_EQ(text(), "LBCount Records with \"Last\" = \"Smith\" ");
    EXPECT_EQ(builder.state().closeCount, 0);
}

// Evaluation reads at most ten parentheses on either side of a condition: no more are ever open.
TEST_F(RequestBuilderTest, NoMoreThanTenParenthesesAreOpenAtATime) {
    for (int i = 0; i < 12; ++i) builder.addOpen();
    EXPECT_EQ(builder.state().openCount, SqlRequest::kMaxParentheses);
    EXPECT_FALSE(builder.state().addOpenEnabled);

    builder.startKind(RequestKind::Count, EmailFilter::All);
    for (int i = 0; i < 11; ++i) {
        builder.addOpen();
        typed(kLast, CompareOp::Equal, QString::number(i));
        builder.clickConnector(Connector::And);
    }
    EXPECT_EQ(builder.state().openCount, SqlRequest::kMaxParentheses);
    picked(kTitle, {1, 4});  // the group would be an eleventh
    EXPECT_EQ(prompter.texts(), QStringList{builder_text::kTooManyParentheses});
    builder.pickTargets({4});
    builder.continueTargets();
    ASSERT_TRUE(builder.process());
    EXPECT_EQ(conditions().last().closeParentheses, SqlRequest::kMaxParentheses);
}

TEST_F(RequestBuilderTest, AThirtyFirstConditionIsRefused) {
    for (int i = 0; i < SqlRequest::kMaxConditions; ++i) {
        typed(kLast, CompareOp::Equal, QString::number(i));
        builder.clickConnector(Connector::Or);
    }
    const QString before = text();
    builder.clickField(kFirst);
    EXPECT_EQ(conditions().size(), SqlRequest::kMaxConditions);
    EXPECT_EQ(text(), before);
    EXPECT_EQ(prompter.texts(), QStringList{builder_text::kTooManyConditions});
}

TEST_F(RequestBuilderTest, PicksBeyondTheLimitsAreRefused) {
    builder.showPage(1);
    builder.clickField(kColor);
    builder.clickOperator(CompareOp::Equal);
    builder.pickTargets({1, 2});
    QList<int> many;
    for (int i = 0; i <= SqlRequest::kMaxPicks; ++i) many << i;
    builder.pickTargets(many);  // the list has four entries: only they count
    EXPECT_EQ(builder.state().picked, (QList<int>{0, 1, 2, 3}));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // A pick is a condition: 28 earlier ones leave room for two.
    builder.startKind(RequestKind::Count, EmailFilter::All);
    for (int i = 0; i < 28; ++i) {
        typed(kLast, CompareOp::Equal, QString::number(i));
        builder.clickConnector(Connector::Or);
    }
    builder.clickField(kTitle);
    builder.clickOperator(CompareOp::Equal);
    builder.pickTargets({1, 2, 3});
    EXPECT_TRUE(builder.state().picked.isEmpty());
    EXPECT_EQ(prompter.texts(), QStringList{builder_text::kTooManyConditions});
    builder.pickTargets({1, 2});
    builder.continueTargets();
    EXPECT_EQ(conditions().size(), SqlRequest::kMaxConditions);
}

TEST(RequestBuilderPicks, TwentyOnePicksAreRefused) {
    test::RecordingPrompter prompter;
    QStringList items;
    for (int i = 0; i < 30; ++i) items << QStringLiteral("item %1").arg(i, 2, 10, QLatin1Char('0'));
    RequestBuilder builder(prompter, [&](int, int) { return items; });
    ListFields fields = sampleFields();
    builder.setList("abc", fields);
    builder.startKind(RequestKind::List, EmailFilter::All);
    builder.showPage(1);
    builder.clickField(kColor);
    builder.clickOperator(CompareOp::Equal);
    QList<int> rows;
    for (int i = 1; i <= SqlRequest::kMaxPicks; ++i) rows << i;
    builder.pickTargets(rows);
    builder.pickTargets(rows + QList<int>{21});
    EXPECT_EQ(builder.state().picked, rows);
    EXPECT_EQ(prompter.texts(), QStringList{builder_text::kTooManyPicks});
    builder.continueTargets();
    EXPECT_EQ(builder.request().conditions.size(), SqlRequest::kMaxPicks);
}

TEST_F(RequestBuilderTest, ProcessCompletesAndTheResultChoosesTheContinuation) {
    struct Case {
        RequestKind kind;
        Continuation continuation;
        bool printList;
        bool queue;
    };
    const Case cases[] = {
        {RequestKind::Count, Continuation::Count, false, true},
        {RequestKind::List, Continuation::List, true, true},
        {RequestKind::WriteChecks, Continuation::Checks, false, false},
        {RequestKind::MemoPrinting, Continuation::Memo, false, false},
        {RequestKind::Labels, Continuation::Labels, false, true},
        {RequestKind::Report, Continuation::Report, false, false},  // queued after an output
        {RequestKind::MailMerge, Continuation::Report, false, false},
        {RequestKind::Email, Continuation::Email, false, true},
        {RequestKind::Calculate, Continuation::Math, false, false},
    };
    for (const Case& c : cases) {
        builder.startKind(c.kind, EmailFilter::All);
        typed(kLast, CompareOp::Equal, "S*");
        EXPECT_FALSE(builder.state().printListShown);
        ASSERT_TRUE(builder.process());
        BuilderState state = builder.state();
        EXPECT_EQ(state.step, BuilderStep::Processed);
        EXPECT_EQ(state.hint, "");
        EXPECT_FALSE(state.fieldListShown);
        EXPECT_TRUE(state.pageButtons.isEmpty());
        EXPECT_EQ(state.printListShown, c.printList);
        EXPECT_EQ(state.continuation, Continuation::None);  // until the result is in
        builder.evaluated({"abc1", "abc2"}, {{"abc1", "abc1  Smith, Ann"}});
        state = builder.state();
        EXPECT_EQ(state.matches, "2");
        EXPECT_EQ(state.continuation, c.continuation);
        EXPECT_EQ(state.addToQueueShown, c.queue);
        EXPECT_EQ(state.listEntries.size(), c.continuation == Continuation::List ? 1 : 0);
        EXPECT_EQ(builder.matchList(), (MatchList{"abc1", "abc2"}));
        EXPECT_FALSE(builder.process());
    }
}

TEST_F(RequestBuilderTest, TheRequestMenuClearsEverything) {
    builder.addOpen();
    typed(kLast, CompareOp::Equal, "S");
    builder.openRequestMenu();
    const BuilderState state = builder.state();
    EXPECT_EQ(state.step, BuilderStep::None);
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(conditions().isEmpty());
    EXPECT_EQ(state.openCount, 0);
    EXPECT_FALSE(state.fieldListShown);
    EXPECT_TRUE(state.hint.startsWith("Hint:  The SQL menu options are [Goto], [Request], [Queue], and [Setup Email]."));
    builder.clickField(kLast);
    EXPECT_TRUE(conditions().isEmpty());
}

TEST(RequestMenu, EntriesWaitForTheirOutputAndForEmail) {
    QStringList captions;
    QStringList enabled, enabledWithMail;
    for (const RequestMenuEntry& e : requestMenuEntries()) {
        captions << e.caption;
        if (requestEntryEnabled(e, false)) enabled << e.caption;
        if (requestEntryEnabled(e, true)) enabledWithMail << e.caption;
        EXPECT_EQ(requestEntryToolTip(e, true).isEmpty(), requestEntryEnabled(e, true)) << e.caption;
    }
    EXPECT_EQ(captions, (QStringList{"Count", "List", "Labels", "Email", "Missing Email Labels", "Report", "Mail Merge",
                                     "Select Records for Transmission", "Math Operations", "Checks", "Memo Printing"}));
    EXPECT_EQ(enabled, (QStringList{"Count", "List", "Labels", "Report", "Mail Merge", "Select Records for Transmission",
                                    "Math Operations", "Checks", "Memo Printing"}));
    // E-mail and the labels for the records without an address need a method set up.
    EXPECT_EQ(enabledWithMail, (QStringList{"Count", "List", "Labels", "Email", "Missing Email Labels", "Report",
                                            "Mail Merge", "Select Records for Transmission", "Math Operations", "Checks",
                                            "Memo Printing"}));
}

}  // namespace
