#pragma once

#include "interchange/tables/new_table_writer.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vn {

// Field names the format accepts, one per caption in order, unique without regard to case and
// apart from "Key": dBase as dbaseFieldNames() makes them; Paradox 25 characters without
// [ ] { } ( ) # and within Windows-1252. A name the rules cut into a duplicate takes "_2", "_3",
// ... within its length.
QStringList tableFieldNames(TableFormat format, const QStringList& captions);

// The new table's name from the file name edit: the text up to its first "."; only 1 to 64
// letters, digits, "_" or "-" make a name, so a table can never land outside its folder.
std::optional<QString> newTableName(const QString& text);

}  // namespace vn
