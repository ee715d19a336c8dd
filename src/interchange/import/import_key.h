#pragma once

#include "lists/records/record_key.h"

#include <QString>
#include <functional>

namespace vn {

class RecordAccess;

// The key an imported record gets. The list's counter row in Parm is made with 1 when missing, an
// empty counter reads as 1, and numbers whose key has a Head row are passed over.
struct ImportKey {
    QString key;
    int number = 0;
};
ImportKey ProposeImportKey(RecordAccess& access, const QString& listCode, const KeyOrigin& origin);

// The first key from number `from` on that `used` does not name: how a run of records goes on
// from the proposed key without reading the counter again.
ImportKey nextFreeImportKey(const QString& listCode, const KeyOrigin& origin, int from,
                            const std::function<bool(const QString&)>& used);

// After the record's fields are written: the counter names the number after the one used.
void CommitImportCounter(RecordAccess& access, const QString& listCode, int numberUsed);

}  // namespace vn
