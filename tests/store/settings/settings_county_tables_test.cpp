#include "store/settings/county_tables.h"
#include "store/settings/settings_slots.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

class CountyTablesTest : public ::testing::Test {
protected:
    void addCity(int slot, const QString& key, const QString& county, const QString& data) {
        access.EnsureRecord(slot, key);
        access.SetFieldText(slot, 1, data + " 1");
        access.SetFieldText(slot, 2, county);
        access.SetFieldText(slot, 3, data + " 3");
    }
    QStringList row(int slot, const QString& key) {
        if (!access.FindRecord(slot, key)) return {};
        return {access.GetFieldText(slot, 1), access.GetFieldText(slot, 2), access.GetFieldText(slot, 3)};
    }

    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(CountyTablesTest, CountiesAreNumberedInKeyOrder) {
    store.addRecords(kCountySlot, {"CAR", "ALB", "BIG"});
    NumberCounties(access);
    const std::vector<std::pair<QString, QString>> expected{{"ALB", "1"}, {"BIG", "2"}, {"CAR", "3"}};
    for (const auto& [key, number] : expected) {
        access.FindRecord(kCountySlot, key);
        EXPECT_EQ(access.GetFieldText(kCountySlot, 1), number) << key.toStdString();
    }
}

TEST_F(CountyTablesTest, CopiesTheCountysCities) {
    struct Case {
        const char* name;
        QString county;
        bool clear;
        QStringList keys;
    };
    const std::vector<Case> cases = {
        {"adds to what is there", "BIG", false, {"Basin", "Greybull", "Old"}},
        {"clear first", "BIG", true, {"Basin", "Greybull"}},
        {"no such county, clear", "XYZ", true, {}},
        {"codes match exactly", "big", false, {"Basin", "Old"}},
    };
    for (const Case& c : cases) {
        access.DeleteAllRecords(kCitySlot, false);
        access.DeleteAllRecords(kCountyCitySlot, false);
        addCity(kCitySlot, "Afton", "LIN", "afton");
        addCity(kCitySlot, "Basin", "BIG", "basin");
        addCity(kCitySlot, "Cody", "PAR", "cody");
        addCity(kCitySlot, "Greybull", "BIG", "greybull");
        addCity(kCountyCitySlot, "Basin", "BIG", "stale");
        addCity(kCountyCitySlot, "Old", "OLD", "old");

        CopyCountyCities(access, c.county, c.clear);

        EXPECT_EQ(store.keys(kCountyCitySlot), c.keys) << c.name;
        if (c.county == "BIG") {
            EXPECT_EQ(row(kCountyCitySlot, "Basin"), row(kCitySlot, "Basin")) << c.name;
        }
        EXPECT_EQ(store.keys(kCitySlot), (QStringList{"Afton", "Basin", "Cody", "Greybull"})) << c.name;
    }
}

}  // namespace
}  // namespace vn
