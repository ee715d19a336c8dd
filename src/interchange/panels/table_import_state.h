#pragma once

#include "exchange/panels/panel_work.h"
#include "interchange/panels/import_text_state.h"
#include "interchange/tables/foreign_opener.h"

#include <array>

namespace vn {

// An entry of the source list: a column (number + name) or, while an Access data base's tables
// are listed, a table name.
struct SourceEntry {
    int number = 0;  // the column's, 1-based; 0 for a table
    QString text;
    bool mappable = true;
    bool marked = false;  // mapped to a target
};

// What a table import view shows; the widget draws itself from it.
struct TableImportState {
    TableSource kind = TableSource::Paradox;
    QString caption;
    QString findCaption;
    bool findEnabled = true;
    QString instructions;

    QString listCode;
    QString listTitle;
    QString fileName;  // "Import File Name...": the file, for Access + " Table = " + table

    QString sourceCaption;
    QString sourceNote;  // shown while an Access data base's tables are listed
    bool listingTables = false;
    QList<SourceEntry> sourceEntries;
    int selectedColumn = 0;  // 0: none

    std::array<TargetBox, kHeaderFieldCount> headerTargets;
    std::array<QList<TargetBox>, 6> pageTargets;
    std::array<QString, 6> pageCaptions;
    int mappingCount = 0;

    bool clearEnabled = false;
    bool saveEnabled = false;
    bool importEnabled = false;

    int focusRequest = 0;  // grows whenever the focus goes back to "Instructions"
    Gauge gauge;
};

}  // namespace vn
