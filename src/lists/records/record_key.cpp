#include "lists/records/record_key.h"

#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kCounterField = 2;

int firstFreeNumber(RecordAccess& access, const QString& listCode, const KeyOrigin& origin) {
    int n = ListCounter(access, listCode, 0, 0);
    while (access.FindRecord(kHeadSlot, buildRecordKey(listCode, origin, n))) ++n;
    return n;
}

}  // namespace

int ListCounter(RecordAccess& access, const QString& listCode, int made, int whenEmpty) {
    const QString key = LowerCaseText(listCode);
    if (!access.FindRecord(kParmSlot, key)) {
        access.EnsureRecord(kParmSlot, key);
        access.SetFieldInt(kParmSlot, kCounterField, made);
    }
    if (access.GetFieldText(kParmSlot, kCounterField).trimmed().isEmpty()) return whenEmpty;
    return access.GetFieldInt(kParmSlot, kCounterField);
}

void SetListCounter(RecordAccess& access, const QString& listCode, qint64 number) {
    access.EnsureRecord(kParmSlot, LowerCaseText(listCode));
    access.SetFieldInt(kParmSlot, kCounterField, number);
}

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
    SetListCounter(access, listCode, firstFreeNumber(access, listCode, origin));
}

}  // namespace vn
