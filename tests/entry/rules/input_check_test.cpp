#include "lists/definitions/field_definition.h"
#include "entry/rules/input_check.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

using Type = CharacterType;

const char* const kRequired = "Error!  This is a required field.  Please make a valid entry.";
const char* const kReadOnly = "Error!  This is a read only field.  No input is allowed.";
const char* const kYesNo = "Error!  This text field will only accept a 'Y' or 'N' entry.  Please re-enter.";
const char* const kLetters =
    "Error!  This text field will only accept Letters, Puncuation and Spaces.  (No numbers) Please re-enter.";
const char* const kNumbers = "Error!  This text field will only accept Numbers and - + signs. Please re-enter.";
const char* const kNewPage = "Do you want to select a new page?";

struct Case {
    Type type;
    bool required;
    bool readOnly;
    int slot;
    const char* input;
    const char* stored;
    Verdict verdict;
    const char* message;
    const char* replacement;
};

// clang-format off
const Case kCases[] = {
    // type            required readOnly slot input            stored  verdict              message    replacement
    {Type::Both,       false,   false,   2,   "",              "",     Verdict::Accept,     "",        ""},
    {Type::Both,       true,    false,   2,   "",              "",     Verdict::Refuse,     kRequired, ""},
    {Type::Both,       true,    false,   1,   "",              "",     Verdict::AskNewPage, kNewPage,  ""},
    {Type::Letters,    true,    false,   2,   "Ann",           "",     Verdict::Accept,     "",        ""},
    {Type::YesNo,      true,    false,   2,   "",              "",     Verdict::Refuse,     kRequired, ""},
    {Type::YesNo,      false,   false,   2,   "",              "",     Verdict::Refuse,     kYesNo,    ""},
    {Type::YesNo,      false,   false,   2,   "y",             "",     Verdict::Accept,     "",        ""},
    {Type::YesNo,      false,   false,   2,   "N",             "",     Verdict::Accept,     "",        ""},
    {Type::YesNo,      false,   false,   2,   "yes",           "",     Verdict::Refuse,     kYesNo,    ""},
    {Type::YesNo,      false,   false,   2,   " Y",            "",     Verdict::Refuse,     kYesNo,    ""},
    {Type::Letters,    false,   false,   2,   "O'Neil-Smith, Jr.", "", Verdict::Accept,     "",        ""},
    {Type::Letters,    false,   false,   2,   "Apt 4",         "",     Verdict::Refuse,     kLetters,  ""},
    {Type::Letters,    false,   false,   2,   "",              "",     Verdict::Accept,     "",        ""},
    {Type::Digits,     false,   false,   2,   "-12",           "",     Verdict::Accept,     "",        ""},
    {Type::Digits,     false,   false,   2,   "+3",            "",     Verdict::Accept,     "",        ""},
    {Type::Digits,     false,   false,   2,   "1.5",           "",     Verdict::Refuse,     kNumbers,  ""},
    {Type::Digits,     false,   false,   2,   "12a",           "",     Verdict::Refuse,     kNumbers,  ""},
    {Type::Both,       false,   false,   2,   "Apt 4, #2",     "",     Verdict::Accept,     "",        ""},
    {Type::None,       false,   false,   2,   "anything 1.5",  "",     Verdict::Accept,     "",        ""},
    // A read-only field keeps its stored value; required cannot trap the user in it.
    {Type::Both,       false,   true,    2,   "kept",          "kept", Verdict::Keep,       "",        ""},
    {Type::Both,       true,    true,    1,   "",              "",     Verdict::Keep,       "",        ""},
    {Type::YesNo,      false,   true,    2,   "",              "",     Verdict::Keep,       "",        ""},
    {Type::Both,       false,   true,    2,   "typed",         "kept", Verdict::Refuse,     kReadOnly, "kept"},
};
// clang-format on

TEST(InputCheck, VerdictAndMessageByRule) {
    for (const Case& c : kCases) {
        FieldDefinition d;
        d.key = QStringLiteral("abc10%1").arg(c.slot);
        d.slot = c.slot;
        d.characterType = c.type;
        d.required = c.required;
        d.readOnly = c.readOnly;
        const InputCheck result = checkInput(d, QString::fromUtf8(c.input), QString::fromUtf8(c.stored));
        SCOPED_TRACE(c.input);
        EXPECT_EQ(result.verdict, c.verdict);
        EXPECT_EQ(result.message, QString::fromUtf8(c.message));
        EXPECT_EQ(result.replacement, QString::fromUtf8(c.replacement));
    }
}

}  // namespace
