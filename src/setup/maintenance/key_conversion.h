#pragma once

#include "lists/records/record_key.h"
#include "setup/maintenance/maintenance_outcome.h"

#include <QString>

namespace vn {

class RecordAccess;

struct KeyConversion {
    qint64 converted = 0;
    qint64 left = 0;            // kept under their old keys: the three-digit numbers ran out
    qint64 numbersSkipped = 0;  // numbers whose new key a record already had
    bool cancelled = false;     // nothing was changed
};

// The highest number a converted key can take: from 1000 on a key would be one character longer.
inline constexpr int kLastConversionNumber = 999;

// The key of the current form for the n-th converted record: the old key's list code, the state
// and county codes, n in three digits and six zeros, lower case.
QString convertedRecordKey(const QString& oldKey, const KeyOrigin& origin, int number);

// Gives every record whose key is not of the current length a key of the current form, numbered
// from firstNumber in the order of the old keys; a number whose key is in use is passed over. The
// header, page rows and link chain move to the new key. One transaction; the step is called after
// each record with the number of records to convert as its total.
KeyConversion convertRecordKeys(RecordAccess& access, const KeyOrigin& origin, const MaintenanceStep& step,
                                int firstNumber = 1);

}  // namespace vn
