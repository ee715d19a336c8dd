#pragma once

#include "platform/printing/page_sink.h"

namespace vn {

struct FieldDefinition;
struct RecordSnapshot;
struct TableConstruction;

// One page of the record as the field drawing needs it.
struct RecordPage {
    const RecordSnapshot& record;
    const TableConstruction& table;
    int number = 1;
    int baseRow = 29;
};

// Draws one active field of the page by its kind, in size 7 unless the kind says otherwise;
// links are not drawn. Leaves the regular size 7 font, pen 0.5 and black text behind.
void drawRecordField(PageSink& sink, const RecordPage& page, const FieldDefinition& field);

}  // namespace vn
