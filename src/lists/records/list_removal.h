#pragma once

#include <QString>

namespace vn {

class RecordAccess;

// Removes a data list and everything entered under it, as one transaction: its List row, its
// definitions (Fdis, Tdat, Selc, Help), its records with the link chains they own, its stored
// requests (Queu, Pinf, Sinf) and its record counter. Rows of other lists stay; Phra and Dsli
// belong to no list and stay too.
void DeleteWholeList(RecordAccess& access, const QString& listCode);

}  // namespace vn
