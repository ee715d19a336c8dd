#include "store/text/field_split.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

struct NextCase {
    QString line;
    QChar delimiter;
    QString field;
    QString rest;
};

TEST(FieldSplit, NextFieldCutsTheFront) {
    const std::vector<NextCase> cases = {
        {"abc~def~", u'~', "abc", "def~"},
        {"~def~", u'~', "", "def~"},
        {"abc~", u'~', "abc", ""},
        {"~~", u'~', "", "~"},
        {"", u'~', "", ""},
        // No delimiter: empty field and the line is left whole.
        {"abc", u'~', "", "abc"},
        {"a|b|", u'|', "a", "b|"},
        {"a~b|c", u'|', "a~b", "c"},
    };
    for (const auto& c : cases) {
        QString line = c.line;
        EXPECT_EQ(NextDelimitedField(line, c.delimiter), c.field) << c.line.toStdString();
        EXPECT_EQ(line, c.rest) << c.line.toStdString();
        if (c.delimiter != u'~') continue;
        line = c.line;
        EXPECT_EQ(NextTildeField(line), c.field) << c.line.toStdString();
        EXPECT_EQ(line, c.rest) << c.line.toStdString();
    }
}

TEST(FieldSplit, SplitTakesEveryClosedField) {
    struct Case {
        QString line;
        QStringList fields;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"abc", {}},
        {"abc~def~", {"abc", "def"}},
        {"abc~def~tail", {"abc", "def"}},
        {"~~x~", {"", "", "x"}},
        {"~", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitTildeFields(c.line), c.fields) << c.line.toStdString();
}

TEST(FieldSplit, SplitAgreesWithRepeatedNextField) {
    const QString line = "1~Smith~~WY~82001~";
    QString rest = line;
    QStringList cut;
    while (!rest.isEmpty()) cut << NextTildeField(rest);
    EXPECT_EQ(SplitTildeFields(line), cut);
    EXPECT_EQ(SplitDelimitedFields("a|b||", u'|'), QStringList({"a", "b", ""}));
}

}  // namespace
}  // namespace vn
