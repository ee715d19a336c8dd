#pragma once

#include <QString>

namespace vn {

class RecordAccess;

// Where new records are made: the installation's state code and its office code.
struct KeyOrigin {
    QString stateCode;   // two letters
    QString officeCode;  // three characters
};

// The office code by operation level: the county (1), the district (2), the state + "_" (3).
QString officeCodeFor(int level, const QString& countyCode, const QString& districtCode, const QString& stateCode);

// list code + state + office + sequence number (at least four digits) + "00000", lower case.
QString buildRecordKey(const QString& listCode, const KeyOrigin& origin, int sequence);

// The list's counter in Parm (keyed by the lower-cased code): its row made holding `made` when
// missing; an empty field reads as `whenEmpty`.
int ListCounter(RecordAccess& access, const QString& listCode, int made, int whenEmpty);
void SetListCounter(RecordAccess& access, const QString& listCode, qint64 number);

// The key for a new record of the list: the first number from the list's counter on whose key is
// still free. The counter is not changed.
QString NewRecordKey(RecordAccess& access, const QString& listCode, const KeyOrigin& origin);

// After the first save of a new record: the counter moves past every number in use.
void CommitRecordCounter(RecordAccess& access, const QString& listCode, const KeyOrigin& origin);

}  // namespace vn
