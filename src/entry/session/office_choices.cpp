#include "entry/session/office_choices.h"

#include "shell/core/session.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kOfficeCodeLength = 3;
constexpr int kNameField = 2;
constexpr int kDistrictCountField = 3;
constexpr int kDistrictCodesField = 4;
constexpr int kCountyLevel = 1;
constexpr int kDistrictLevel = 2;

const QStringList kImportChoices = {QStringLiteral("*PA  Paradox Import"), QStringLiteral("*AC  Access Import"),
                                    QStringLiteral("*DB  DBase Import")};

QString officeCode(const QString& entry) { return UpperCaseText(entry.left(kOfficeCodeLength).trimmed()); }

// "code  name" of a Coun or Dist row; the bare code when the row is missing.
QString choiceEntry(RecordAccess& access, int slot, const QString& code) {
    const QString name = access.FindRecord(slot, code) ? access.GetFieldText(slot, kNameField) : QString();
    return code + QStringLiteral("  ") + name;
}

QStringList entriesFor(RecordAccess& access, int slot, const QStringList& codes) {
    QStringList entries;
    for (const QString& code : codes) entries << choiceEntry(access, slot, code);
    return entries;
}

}  // namespace

QStringList DistrictCounties(RecordAccess& access, const QString& districtCode) {
    if (districtCode.isEmpty() || !access.FindRecord(kDistrictSlot, districtCode)) return {};
    const QString codes = access.GetFieldText(kDistrictSlot, kDistrictCodesField);
    bool counted = false;
    int count = access.GetFieldText(kDistrictSlot, kDistrictCountField).trimmed().toInt(&counted);
    if (!counted) count = int(codes.size()) / kOfficeCodeLength;
    QStringList counties;
    for (int i = 0; i < count && (i + 1) * kOfficeCodeLength <= codes.size(); ++i)
        counties << codes.mid(i * kOfficeCodeLength, kOfficeCodeLength);
    return counties;
}

std::optional<QSet<QString>> AcceptedOfficeCodes(RecordAccess& access, const InstallationIdentity& identity,
                                                 const OfficeChoice& choice) {
    if (identity.operationalLevel == kCountyLevel || choice.level == LevelChoice::All) return std::nullopt;
    QSet<QString> codes;
    switch (choice.level) {
    case LevelChoice::Counties:
        for (const QString& entry : choice.selected) codes.insert(officeCode(entry));
        break;
    case LevelChoice::Districts:
        for (const QString& entry : choice.selected) {
            const QString district = entry.left(kOfficeCodeLength).trimmed();
            // Records entered at the district office itself belong to it only at district level.
            if (identity.operationalLevel == kDistrictLevel) codes.insert(officeCode(district));
            for (const QString& county : DistrictCounties(access, district)) codes.insert(officeCode(county));
        }
        break;
    case LevelChoice::State:
        // Records made at state level carry the state code followed by "_".
        codes.insert(UpperCaseText(identity.stateCode) + QChar('_'));
        break;
    default:
        break;
    }
    return codes;
}

QStringList CountyChoices(RecordAccess& access, const InstallationIdentity& identity) {
    QStringList codes;
    if (identity.operationalLevel == kCountyLevel)
        codes << identity.countyCode;
    else if (identity.operationalLevel == kDistrictLevel)
        codes = DistrictCounties(access, identity.districtCode);
    else
        codes = access.KeysWithPrefix(kCountySlot, QString());
    return entriesFor(access, kCountySlot, codes) + kImportChoices;
}

QStringList DistrictChoices(RecordAccess& access, const InstallationIdentity& identity) {
    const QStringList codes = identity.operationalLevel == kCountyLevel
                                  ? QStringList{identity.districtCode}
                                  : access.KeysWithPrefix(kDistrictSlot, QString());
    return entriesFor(access, kDistrictSlot, codes);
}

}  // namespace vn
