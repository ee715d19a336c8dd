#include "interchange/tables/dbase_field_names.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(DbaseFieldNames, CaptionsBecomeLegalUniqueNames) {
    const struct {
        QStringList captions;
        QStringList names;
    } cases[] = {
        {{"Title", "M.I.", "H. Phone", "Email Add", "Position/Ti"}, {"TITLE", "M_I", "H_PHONE", "EMAIL_ADD", "POSITION_T"}},
        {{"Straße", "Café", "Ölçü"}, {"STRA_E", "CAFE", "OLCU"}},
        {{"City", "city", "CITY"}, {"CITY", "CITY_2", "CITY_3"}},
        {{"Address Line 1", "Address Line 2"}, {"ADDRESS_LI", "ADDRESS__2"}},
        {{"Shoe size left", "Shoe size right"}, {"SHOE_SIZE", "SHOE_SIZ_2"}},
        {{"1st Grade", "_x", "", "???", "Key"}, {"F1ST_GRADE", "F_X", "FIELD", "FIELD_2", "KEY_2"}},
    };
    for (const auto& c : cases) {
        const QStringList names = dbaseFieldNames(c.captions, {"Key"});
        EXPECT_EQ(names, c.names) << c.captions.join(u'|').toStdString();
        for (const QString& name : names) EXPECT_TRUE(isLegalDbaseName(name)) << name.toStdString();
    }
}

}  // namespace
}  // namespace vn
