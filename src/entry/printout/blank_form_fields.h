#pragma once

#include "entry/printout/blank_form_geometry.h"
#include "platform/printing/page_sink.h"

namespace vn {

struct FieldDefinition;
struct TableConstruction;

// One page region of a blank form sheet: its start row (17 upper, 47 lower) and its table.
struct BlankFormRegion {
    const BlankFormGeometry& geometry;
    const TableConstruction& table;
    double startRow = 17;
};

// Draws one active field empty, by its kind (links are not printed), captions in size 7 and
// lines 4 units wide.
void drawBlankField(PageSink& sink, const BlankFormRegion& region, const FieldDefinition& field);

}  // namespace vn
