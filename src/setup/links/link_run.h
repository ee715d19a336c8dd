#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vn {

class RecordAccess;

// One run: the primary list, the secondary lists (all different from it) and the condition.
struct LinkRequest {
    QString primaryCode;
    QStringList secondaryCodes;
    int condition = 0;  // 1 to 4
};

struct LinkCounts {
    int added = 0;    // keys appended to a primary record's chain
    int skipped = 0;  // rows of the lists with a blank match text or a key that is not 17 characters
};

// Told after each Head row of the second walk (done of total rows).
using LinkStep = std::function<void(qint64 done, qint64 total)>;

// Every secondary record whose match text equals a primary record's joins that record's chain
// (equal primary texts: the lowest key), unless it is there already. One transaction; a full
// chain is reported once and the run goes on. Throws StoreError, nothing written.
LinkCounts runLinks(RecordAccess& access, const LinkRequest& request, const LinkStep& step = {});

// Removes the chains owned by the list's records, in one transaction; returns the rows removed.
qint64 clearListLinks(RecordAccess& access, const QString& listCode);

}  // namespace vn
