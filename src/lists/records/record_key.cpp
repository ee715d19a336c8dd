#include "lists/records/record_key.h"

#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kCounterField = 2;

int counterStart(RecordAccess& access, const QString& listCode) {
    const QString key = LowerCaseText(listCode);
    if (!access.FindRecord(kParmSlot, key)) {
        access.EnsureRecord(kParmSlot, key);
        access.SetFieldInt(kParmSlot, kCounterField, 0);
    }
    return access.GetFieldInt(kParmSlot, kCounterField);
}

int firstFreeNumber(RecordAccess& access, const QString& listCode, const KeyOrigin& origin) {
    int n = counterStart(access, listCode);
    while (access.FindRecord(kHeadSlot, buildRecordKey(listCode, origin, n))) ++n;
    return n;
}

}  // namespace

QString officeCodeFor(int level, const QString& countyCode, const QString& districtCode, const QString& stateCode) {
    switch (level) {
    case 1: return countyCode;
    case 2: return districtCode;
    case 3: return stateCode + '_';
    default: return QString();
    }
}

QString buildRecordKey(const QString& listCode, const KeyOrigin& origin, int sequence) {
    return LowerCaseText(listCode + origin.stateCode + origin.officeCode +
                         QStringLiteral("%1").arg(sequence, 4, 10, QChar('0')) + QStringLiteral("00000"));
}

QString NewRecordKey(RecordAccess& access, const QString& listCode, const KeyOrigin& origin) {
    return buildRecordKey(listCode, origin, firstFreeNumber(access, listCode, origin));
}

void CommitRecordCounter(RecordAccess& access, const QString& listCode, const KeyOrigin& origin) {
    const int n = firstFreeNumber(access, listCode, origin);
    access.FindRecord(kParmSlot, LowerCaseText(listCode));
    access.SetFieldInt(kParmSlot, kCounterField, n);
}

}  // namespace vn
