#include "store/settings/system_rows.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

constexpr int kSystem = TableCatalogue::kSystemSlot;

class SystemRowsTest : public ::testing::Test {
protected:
    QStringList fields(const QString& key) {
        access.FindRecord(kSystem, key);
        return {access.GetFieldText(kSystem, 1), access.GetFieldText(kSystem, 2), access.GetFieldText(kSystem, 4)};
    }

    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(SystemRowsTest, MarkerRowRoundTrips) {
    const QDateTime written(QDate(2002, 6, 18), QTime(14, 5, 9));
    writeSystemRow(access, "TFdis061802", {"Field display change", written, true});
    EXPECT_EQ(fields("TFdis061802"), (QStringList{"Field display change", "6/18/2002 2:05:09 PM", "T"}));

    const auto row = readSystemRow(access, "TFdis061802");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->value, "Field display change");
    EXPECT_EQ(row->written, written);
    EXPECT_TRUE(row->done);
}

TEST_F(SystemRowsTest, RewritingClearsWhatIsNoLongerGiven) {
    writeSystemRow(access, "Version", {"05-100", QDateTime::currentDateTime(), true});
    writeSystemRow(access, "Version", {"06-248", {}, false});
    EXPECT_EQ(fields("Version"), (QStringList{"06-248", "", ""}));
    const auto row = readSystemRow(access, "Version");
    ASSERT_TRUE(row);
    EXPECT_FALSE(row->written.isValid());
    EXPECT_FALSE(row->done);
}

TEST_F(SystemRowsTest, MissingRowReadsAsNothing) {
    writeSystemRow(access, "V00271", {});
    EXPECT_FALSE(readSystemRow(access, "V00270"));
    EXPECT_TRUE(readSystemRow(access, "V00271"));
}

}  // namespace
}  // namespace vn
