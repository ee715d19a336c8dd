#pragma once

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_rows.h"
#include "support/store_fixture.h"

namespace vn::test {

// The list abc: page 1 with text fields Name (1), Phone (2, with a selection list), City (4)
// and Old (5, deleted), check boxes Member (1) and city (2), radio group Size (1), a memo Notes
// and a label Heading; page 2 with a table of 3 rows and 2 columns.
inline void addSmallList(RecordAccess& access) {
    using namespace definition_tables;
    putRow(access, kListSlot, "abc", {{1, "Small list"}});
    putDefinition(access, "abc101", 1, 1, {{fdis::kCaption, "Name"}});
    putDefinition(access, "abc102", 1, 2, {{fdis::kCaption, "Phone"}, {fdis::kHasList, "1"}});
    putDefinition(access, "abc103", 1, 4, {{fdis::kCaption, "City"}});
    putDefinition(access, "abc104", 1, 5, {{fdis::kCaption, "Old"}, {fdis::kActive, "0"}});
    putDefinition(access, "abc105", 3, 1, {{fdis::kCaption, "Member"}});
    putDefinition(access, "abc106", 3, 2, {{fdis::kCaption, "city"}});
    putDefinition(access, "abc107", 4, 1, {{fdis::kCaption, "Size"}});
    putDefinition(access, "abc108", 2, 1, {{fdis::kCaption, "Notes"}});
    putDefinition(access, "abc109", 5, 1, {{fdis::kCaption, "Heading"}});
    putDefinition(access, "abc201", 7, 1, {{fdis::kCaption, "Sizes"}});
    putRow(access, kTdatSlot, "abc201", {{tdat::kColumnCount, "2"}, {tdat::kRowCount, "3"}});
}

}  // namespace vn::test
