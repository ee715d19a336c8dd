#pragma once

#include "interchange/tables/foreign_table.h"

#include <memory>

namespace vn {

// A dBase table (.dbf, versions 0x03, 0x83, 0x8B, 0xF5 and Visual FoxPro's 0x30), read only,
// with its memos from the .dbt or .fpt file beside it (its name matched without regard to case)
// and its text decoded by the code page its header names. The header is checked whole before
// anything is handed out, each row and memo before its row is; rows marked deleted are skipped.
// Nothing with problem set (naming the file, and the field, row or memo block) when the table
// cannot be read.
std::unique_ptr<ForeignTable> openDbaseTable(const QString& path, ForeignProblem& problem);

}  // namespace vn
