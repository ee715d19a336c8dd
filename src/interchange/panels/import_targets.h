#pragma once

#include "interchange/panels/import_text_state.h"

namespace vn {

class DefinitionCache;

inline constexpr int kPageTextBoxes = 20;

// The 15 header boxes, Title to Zip, unmapped.
std::array<TargetBox, kHeaderFieldCount> headerTargetBoxes();

// The page's active text fields in definition-number order: their captions and record columns.
QList<TargetBox> pageTextBoxes(const DefinitionCache& definitions, int page);

// The table import's targets: the page's active text and memo fields in definition-number order,
// every one of them.
QList<TargetBox> pageTextAndMemoTargets(const DefinitionCache& definitions, int page);
// The 15 header fields with the table import's short names ("Title", "First", "M.I.", ...).
std::array<TargetBox, kHeaderFieldCount> headerTargetRows();

// A page holds definitions (page 1 always counts), and the highest such page.
bool pageDefined(const DefinitionCache& definitions, int page);
int highestDefinedPage(const DefinitionCache& definitions);

// "Page One Edit Fields..." to "Page Six Edit Fields...".
QString pageGroupCaption(int page);

}  // namespace vn
