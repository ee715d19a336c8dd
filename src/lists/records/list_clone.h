#pragma once

#include <QString>

namespace vn {

class RecordAccess;

// Copies a data list to a new code and title: its List row, page definitions, table
// constructions and selection-list items (help texts and records are not copied), as one
// transaction. Returns the message for a refusal, or an empty text when the clone was made.
QString CloneList(RecordAccess& access, const QString& oldCode, const QString& newCode, const QString& newTitle);

}  // namespace vn
