#pragma once

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_rows.h"
#include "support/store_fixture.h"

namespace vn::test {

// The list (abc unless told): page 1 with text fields Name (1), Phone (2, with a selection list), City (4)
// and Old (5, deleted), check boxes Member (1) and city (2), radio group Size (1), a memo Notes
// and a label Heading; page 2 with a table of 3 rows and 2 columns.
inline void addSmallList(RecordAccess& access, const QString& code = QStringLiteral("abc")) {
    using namespace definition_tables;
    putRow(access, kListSlot, code, {{1, "Small list"}});
    putDefinition(access, code + "101", 1, 1, {{fdis::kCaption, "Name"}});
    putDefinition(access, code + "102", 1, 2, {{fdis::kCaption, "Phone"}, {fdis::kHasList, "1"}});
    putDefinition(access, code + "103", 1, 4, {{fdis::kCaption, "City"}});
    putDefinition(access, code + "104", 1, 5, {{fdis::kCaption, "Old"}, {fdis::kActive, "0"}});
    putDefinition(access, code + "105", 3, 1, {{fdis::kCaption, "Member"}});
    putDefinition(access, code + "106", 3, 2, {{fdis::kCaption, "city"}});
    putDefinition(access, code + "107", 4, 1, {{fdis::kCaption, "Size"}});
    putDefinition(access, code + "108", 2, 1, {{fdis::kCaption, "Notes"}});
    putDefinition(access, code + "109", 5, 1, {{fdis::kCaption, "Heading"}});
    putDefinition(access, code + "201", 7, 1, {{fdis::kCaption, "Sizes"}});
    putRow(access, kTdatSlot, code + "201", {{tdat::kColumnCount, "2"}, {tdat::kRowCount, "3"}});
}

}  // namespace vn::test
