#pragma once

#include "interchange/files/map_file.h"
#include "interchange/panels/export_choices.h"

namespace vn {

// The export view's choices as a layout file keeps them, and back. The mode and the CSV options
// stay out of the file; CSV and workbooks have no method there.
TextFileSettings layoutSettings(const ExportChoices& choices);
// What the file gives replaces the choice; what it leaves out stays as chosen.
void applyLayoutSettings(ExportChoices& choices, const TextFileSettings& settings);

}  // namespace vn
