#pragma once

#include "interchange/tables/foreign_opener.h"
#include "interchange/tables/new_table_writer.h"

#include <QString>
#include <optional>

namespace vn {

// The outside table a command's FILE is, by its extension in any case: .db Paradox, .dbf dBase,
// .mdb and .accdb an Access data base; nothing for a text file.
std::optional<TableSource> tableSourceOf(const QString& file);
// The new table a command's FILE names: .db Paradox, .dbf dBase; nothing for any other file.
std::optional<TableFormat> tableFormatOf(const QString& file);

}  // namespace vn
