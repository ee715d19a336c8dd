#include "store/settings/county_tables.h"

#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/settings/settings_slots.h"

namespace vn {

namespace {

constexpr int kCountyNumber = 1;
constexpr int kCityCounty = 2;
constexpr int kFirstCopied = 1;
constexpr int kLastCopied = 3;

}  // namespace

void NumberCounties(RecordAccess& access) {
    Transaction transaction(access.database(kCountySlot));
    int number = 0;
    access.BeginScan(kCountySlot);
    while (access.GetNextRec(kCountySlot)) access.SetFieldInt(kCountySlot, kCountyNumber, ++number);
    transaction.commit();
}

void CopyCountyCities(RecordAccess& access, const QString& countyCode, bool clear) {
    // A failure half-way must not leave the county's cities cleared and not yet copied.
    Transaction transaction(access.database(kCountyCitySlot));
    if (clear) access.DeleteAllRecords(kCountyCitySlot, false);
    access.BeginScan(kCitySlot);
    while (access.GetNextRec(kCitySlot)) {
        if (access.GetFieldText(kCitySlot, kCityCounty) != countyCode) continue;
        access.EnsureRecord(kCountyCitySlot, access.GetFieldText(kCitySlot, 0));
        for (int field = kFirstCopied; field <= kLastCopied; ++field)
            access.SetFieldText(kCountyCitySlot, field, access.GetFieldText(kCitySlot, field));
    }
    transaction.commit();
}

}  // namespace vn
