#pragma once

#include "interchange/import/import_mapping.h"
#include "lists/records/record_key.h"

#include <QString>

namespace vn {

// What an import writes and where.
struct ImportPlan {
    QString listCode;
    KeyOrigin origin;
    int highestPage = 1;  // every record gets its Head row and page rows 1 to this
    int fieldCount = 0;   // import fields a record has (the split preview's); surplus ones dropped; 0: all kept
    ImportMapping mapping;
};

}  // namespace vn
