#pragma once

#include <QSet>
#include <QStringList>
#include <optional>

namespace vn {

class RecordAccess;
struct InstallationIdentity;

// The "Select Level..." choice of the record selection view.
enum class LevelChoice { None = 0, Counties = 1, Districts = 2, State = 3, All = 4 };

// What the user chose: the level and the ticked entries of the counties or districts list
// (entries "code  name" or bare codes; the first three characters count).
struct OfficeChoice {
    LevelChoice level = LevelChoice::None;
    QStringList selected;
};

// Office codes (upper case) whose records are listed; nothing means every record of the list.
std::optional<QSet<QString>> AcceptedOfficeCodes(RecordAccess& access, const InstallationIdentity& identity,
                                                 const OfficeChoice& choice);

// Entries "code  name" of the counties list by operation level, closed by the three import
// entries; and of the districts list.
QStringList CountyChoices(RecordAccess& access, const InstallationIdentity& identity);
QStringList DistrictChoices(RecordAccess& access, const InstallationIdentity& identity);

// The county codes a district row names (its count and the codes one after the other).
QStringList DistrictCounties(RecordAccess& access, const QString& districtCode);

}  // namespace vn
