#pragma once

#include "lists/records/record_tables.h"
#include "platform/printing/page_sink.h"

#include <QString>
#include <array>

namespace vn {

class DefinitionCache;

// The record as the entry window holds it: key, header Title to Zip and every page column,
// the memo (column 121) included.
struct RecordSnapshot {
    QString key;
    std::array<QString, 16> header;  // [1] Title .. [15] Zip
    std::array<std::array<QString, kPageColumns + 1>, kPageCount> pages;

    QString value(int page, int column) const { return pages[page - 1][column]; }
};

// The record printout in points on an A4 portrait sheet: the title, the header block and every
// page with active fields, two pages to a sheet.
void layoutRecord(PageSink& sink, const RecordSnapshot& record, const DefinitionCache& definitions);

}  // namespace vn
