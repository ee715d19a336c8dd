#include "setup/location_lists.h"

#include "store/access/record_access.h"
#include "store/settings/settings_slots.h"

#include <limits>

namespace vn {

namespace {

constexpr int kNameStart = kCountyCodeLength + 2;

QStringList entriesOf(RecordAccess& access, int slot, int nameField) {
    QStringList entries;
    access.BeginScan(slot);
    while (access.GetNextRec(slot))
        entries << access.GetFieldText(slot, 0) + QStringLiteral("  ") + access.GetFieldText(slot, nameField);
    return entries;
}

}  // namespace

QStringList countyEntries(RecordAccess& access) { return entriesOf(access, kCountySlot, kCountyName); }

QStringList districtEntries(RecordAccess& access) { return entriesOf(access, kDistrictSlot, kDistrictName); }

QString entryCode(const QString& entry) { return entry.left(kCountyCodeLength); }

QString entryName(const QString& entry) { return entry.mid(kNameStart); }

int countyCapacity(RecordAccess& access) {
    const int size = access.GetFieldSize(kDistrictSlot, kDistrictCountyCodes);
    // A memo field has no declared size and holds any number.
    return size > 0 ? size / kCountyCodeLength : std::numeric_limits<int>::max();
}

}  // namespace vn
