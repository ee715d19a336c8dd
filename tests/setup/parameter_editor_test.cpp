#include "setup/parameter_editor.h"
#include "store/settings/define_parameter.h"
#include "store/text/day_code.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const QDate kToday(2024, 3, 14);

class ParameterEditorTest : public ::testing::Test {
protected:
    ParameterEditorTest() {
        define({"OpLevel", "Select Operational Level", "T", {"0", "1", "2", "3"}, "4", "1"});
        define({"MasterFont", "VN Default Printer Font", "T", {}, "0", "Arial"});
        define({"ZipDrive", "100 MB Zip drive letter", "F", {"D:", "E:"}, "2", "D:"});
        define({"WordProcessor", "Word Processor Name and Path", "F", {}, "0", "writer"});
        define({"CurLabel", "", "", {}, "", "Sheet"});
    }

    void define(const ParameterDefinition& d) { DefineParameter(store.access, d); }

    ParameterEditor& editor(int level = 1) {
        ParameterHooks hooks;
        hooks.reloadSettings = [this] { ++reloads; };
        hooks.operationLevel = [level] { return level; };
        hooks.today = [] { return kToday; };
        m_editor = std::make_unique<ParameterEditor>(store.access, hooks);
        m_editor->load();
        return *m_editor;
    }

    ParameterEditor& editorOn(const QString& prompt, int level = 1) {
        ParameterEditor& e = editor(level);
        e.choose(int(e.screen().prompts.indexOf(prompt)));
        return e;
    }

    QString setting(const char* key) {
        store.access.FindRecord(3, QString::fromLatin1(key));
        return store.access.GetFieldText(3, 2);
    }

    test::StoreFixture store;
    int reloads = 0;

private:
    std::unique_ptr<ParameterEditor> m_editor;
};

TEST_F(ParameterEditorTest, listsPromptedSettingsByPrompt) {
    EXPECT_EQ(editor().screen().prompts,
              QStringList({"100 MB Zip drive letter", "Select Operational Level", "VN Default Printer Font",
                           "Word Processor Name and Path"}));
}

TEST_F(ParameterEditorTest, showsTheChosenRow) {
    store.access.FindRecord(3, "ZipDrive");
    store.access.SetFieldText(3, 14, "Z:");
    store.access.SetFieldText(3, 15, "A:");
    store.access.SetFieldText(3, 16, "3/14/2024");
    const ParameterScreen s = editorOn("100 MB Zip drive letter").screen();
    const ParameterRow& r = s.row;
    EXPECT_EQ(QStringList({r.key, r.setting, r.optionCount, r.maximum, r.minimum, r.date, r.locked}),
              QStringList({"ZipDrive", "D:", "2", "Z:", "A:", "3/14/2024", "F"}));
    EXPECT_EQ(r.options, QStringList({"D:", "E:"}));
    EXPECT_EQ(s.current, 0);
}

struct VisibilityCase {
    const char* name;
    const char* prompt;
    int level;
    bool override;
    bool options;
    bool newSetting;
};

const VisibilityCase kVisibility[] = {
    {"openWithOptions", "100 MB Zip drive letter", 1, false, true, false},
    {"lockedWithOptions", "Select Operational Level", 1, false, false, false},
    {"lockedWithOptionsAtState", "Select Operational Level", 3, false, true, false},
    {"lockedWithOptionsOverridden", "Select Operational Level", 1, true, true, true},
    {"openWithoutOptions", "Word Processor Name and Path", 1, false, false, true},
    {"lockedWithoutOptions", "VN Default Printer Font", 2, false, false, false},
    {"lockedWithoutOptionsAtState", "VN Default Printer Font", 3, false, false, true},
    {"lockedWithoutOptionsOverridden", "VN Default Printer Font", 1, true, false, true},
};

class ParameterVisibilityTest : public ParameterEditorTest, public ::testing::WithParamInterface<VisibilityCase> {};

TEST_P(ParameterVisibilityTest, opensOnlyWhatMayBeChanged) {
    const VisibilityCase& c = GetParam();
    ParameterEditor& e = editorOn(c.prompt, c.level);
    if (c.override) e.enterOverridePassword("tarnwisple");
    EXPECT_EQ(e.screen().optionsShown, c.options);
    EXPECT_EQ(e.screen().newSettingShown, c.newSetting);
}

INSTANTIATE_TEST_SUITE_P(Rules, ParameterVisibilityTest, ::testing::ValuesIn(kVisibility),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParameterEditorTest, anOptionBecomesTheSettingAndReloads) {
    ParameterEditor& e = editorOn("100 MB Zip drive letter");
    e.chooseOption(1);
    EXPECT_EQ(setting("ZipDrive"), "E:");
    EXPECT_EQ(e.screen().row.setting, "E:");
    EXPECT_EQ(reloads, 1);
}

TEST_F(ParameterEditorTest, lockedOptionsCannotBeChosenAtALowerLevel) {
    editorOn("Select Operational Level", 2).chooseOption(3);
    EXPECT_EQ(setting("OpLevel"), "1");
    EXPECT_EQ(reloads, 0);
}

TEST_F(ParameterEditorTest, leavingTheBoxWritesOnlyAnEdit) {
    ParameterEditor& e = editorOn("Word Processor Name and Path");
    EXPECT_EQ(e.screen().newSettingText, "writer");
    e.leaveNewSetting(e.screen().newSettingText);  // tabbed through
    EXPECT_EQ(setting("WordProcessor"), "writer");
    EXPECT_EQ(reloads, 0);
    e.leaveNewSetting("editor");
    EXPECT_EQ(setting("WordProcessor"), "editor");
    EXPECT_EQ(e.screen().newSettingText, "editor");
    e.leaveNewSetting("");  // emptied on purpose
    EXPECT_EQ(setting("WordProcessor"), "");
    EXPECT_EQ(reloads, 2);
}

TEST_F(ParameterEditorTest, tabbingThroughAnOverriddenLevelKeepsIt) {
    ParameterEditor& e = editorOn("Select Operational Level");
    e.enterOverridePassword(DayCode(kToday));
    ASSERT_TRUE(e.screen().newSettingShown);
    e.leaveNewSetting(e.screen().newSettingText);
    EXPECT_EQ(setting("OpLevel"), "1");
}

struct OverrideCase {
    const char* name;
    bool before;
    QString typed;
    bool after;
};

const OverrideCase kOverrides[] = {
    {"dayCode", false, DayCode(kToday).toLower(), true},
    {"programmers", false, "TARNWISPLE", true},
    {"otherTextTurnsItOff", true, "guess", false},
    {"emptyChangesNothing", true, "", true},
};

class LockOverrideTest : public ParameterEditorTest, public ::testing::WithParamInterface<OverrideCase> {};

TEST_P(LockOverrideTest, followsThePassword) {
    const OverrideCase& c = GetParam();
    ParameterEditor& e = editor();
    if (c.before) e.enterOverridePassword("tarnwisple");
    e.enterOverridePassword(c.typed);
    EXPECT_EQ(e.screen().overrideOn, c.after);
}

INSTANTIATE_TEST_SUITE_P(Passwords, LockOverrideTest, ::testing::ValuesIn(kOverrides),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
