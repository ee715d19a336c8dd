#pragma once

#include "store/catalogue/slots.h"

#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;

// Fields of the Dist table (districts and the counties each accepts data from) and of Coun.
inline constexpr int kDistrictName = 2;
inline constexpr int kDistrictCountyCount = 3;
inline constexpr int kDistrictCountyCodes = 4;
inline constexpr int kCountyName = 2;
inline constexpr int kCountyCodeLength = 3;

// Every county (Coun) or district (Dist) in key order as code + "  " + name.
QStringList countyEntries(RecordAccess& access);
QStringList districtEntries(RecordAccess& access);

// The parts of such an entry: characters 1-3 are the code, the name starts at character 6.
QString entryCode(const QString& entry);
QString entryName(const QString& entry);

// How many county codes a district's row can hold.
int countyCapacity(RecordAccess& access);

}  // namespace vn
