#pragma once

#include "interchange/tables/foreign_table.h"

#include <glib.h>
#include <mdbtools.h>

#include <optional>

namespace vn {

ForeignType foreignTypeOf(const MdbColumn& column);

// The value of a column of the row mdb_fetch_row has just read, as text; nothing, with why set,
// when the value cannot be read.
std::optional<QString> accessValueText(MdbHandle& mdb, MdbColumn& column, QString& why);

}  // namespace vn
