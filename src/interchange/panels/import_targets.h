#pragma once

#include "interchange/panels/import_text_state.h"

namespace vn {

class DefinitionCache;

inline constexpr int kPageTextBoxes = 20;

// The 15 header boxes, Title to Zip, unmapped.
std::array<TargetBox, kHeaderFieldCount> headerTargetBoxes();

// The page's active text fields in definition-number order: their captions and record columns.
QList<TargetBox> pageTextBoxes(const DefinitionCache& definitions, int page);

// A page holds definitions (page 1 always counts), and the highest such page.
bool pageDefined(const DefinitionCache& definitions, int page);
int highestDefinedPage(const DefinitionCache& definitions);

// "Page One Edit Fields..." to "Page Six Edit Fields...".
QString pageGroupCaption(int page);

}  // namespace vn
