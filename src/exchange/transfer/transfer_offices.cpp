#include "exchange/transfer/transfer_offices.h"

#include "exchange/transfer/transfer_format.h"
#include "lists/definitions/list_fields.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kNameField = 2;
constexpr int kDataFlowThroughDistricts = 2;

void appendOffices(RecordAccess& access, int slot, QStringList& entries) {
    access.BeginScan(slot);
    while (access.GetNextRec(slot))
        entries << access.GetFieldText(slot, 0) + QStringLiteral("  ") + access.GetFieldText(slot, kNameField);
}

}  // namespace

QStringList transferDestinations(RecordAccess& access, int dataFlow, const QString& stateCode, const QString& stateName) {
    QStringList entries;
    appendOffices(access, kCountySlot, entries);
    if (dataFlow == kDataFlowThroughDistricts) appendOffices(access, kDistrictSlot, entries);
    entries << UpperCaseText(stateCode) + QStringLiteral("_  ") + stateName;
    return entries;
}

QString destinationCode(const QString& entry) { return entry.left(kOfficeCodeLength); }

QString senderText(RecordAccess& access, const QString& fileName) {
    const QString code = UpperCaseText(fileName.left(kOfficeCodeLength));
    QString name = QStringLiteral("State");
    for (int slot : {kCountySlot, kDistrictSlot})
        if (access.FindRecord(slot, code)) {
            name = access.GetFieldText(slot, kNameField);
            break;
        }
    return QStringLiteral("   (from %1)").arg(name);
}

QString listDescription(RecordAccess& access, const QString& listCode) {
    const QString key = LowerCaseText(listCode);
    return access.FindRecord(kListSlot, key) ? access.GetFieldText(kListSlot, list_field::kDescription) : QString();
}

}  // namespace vn
