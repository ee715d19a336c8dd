#pragma once

#include <QtGlobal>

namespace vn {

class RecordAccess;

struct ComponentRemoval {
    qint64 definitions = 0;    // table-grid field definitions (Fdis)
    qint64 constructions = 0;  // table constructions (Tdat)
};

// Deletes every table-grid field definition and every table construction. One transaction.
ComponentRemoval removeTableComponents(RecordAccess& access);

// Deletes every record whose last name is empty: its header, page rows and link chains. One
// transaction; returns how many records went.
qint64 removeNullRecords(RecordAccess& access);

}  // namespace vn
