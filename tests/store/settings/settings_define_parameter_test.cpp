#include "parm_rows.h"
#include "store/settings/define_parameter.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

using test::definedFields;
using test::parmFields;

class DefineParameterTest : public ::testing::Test {
protected:
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(DefineParameterTest, NewRowTakesOptionsLastFirst) {
    DefineParameter(access, "ZipDrive", "Zip drive", "F", "H:", "G:", "F:", "E:", "D:", "5", "D:");
    EXPECT_EQ(parmFields(access, "ZipDrive"),
              definedFields("Zip drive", "D:", "5", {"D:", "E:", "F:", "G:", "H:"}, "F"));
}

TEST_F(DefineParameterTest, ExistingRowIsOverwrittenAndAbsentArgumentsWriteEmpty) {
    DefineParameter(access, "Mode", "Old prompt", "T", "", "", "c", "b", "a", "3", "b");
    // Fields DefineParameter never writes: options 6 to 10, maximum, minimum, date.
    const QStringList kept{"o6", "o7", "o8", "o9", "o10", "99", "1", "6/18/2002"};
    for (int i = 0; i < kept.size(); ++i) access.SetFieldText(kParmSlot, 9 + i, kept[i]);

    DefineParameter(access, "Mode", "New prompt");

    EXPECT_EQ(parmFields(access, "Mode"), definedFields("New prompt", "", "", {}, "", kept));
    EXPECT_EQ(store.keys(kParmSlot), QStringList{"Mode"});
}

TEST_F(DefineParameterTest, DefinitionFormWritesTheSameRow) {
    DefineParameter(access, "A", "Prompt", "T", "", "", "", "False", "True", "2", "True");
    DefineParameter(access, ParameterDefinition{"B", "Prompt", "T", {"True", "False"}, "2", "True"});
    EXPECT_EQ(parmFields(access, "A"), parmFields(access, "B"));
}

TEST_F(DefineParameterTest, MoreThanFiveOptionsIsRefusedBeforeWriting) {
    const ParameterDefinition six{"Six", "Prompt", "F", {"1", "2", "3", "4", "5", "6"}, "6", "1"};
    EXPECT_THROW(DefineParameter(access, six), std::invalid_argument);
    EXPECT_FALSE(access.FindRecord(kParmSlot, "Six"));
}

}  // namespace
}  // namespace vn
