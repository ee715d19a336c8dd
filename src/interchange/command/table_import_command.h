#pragma once

#include <QTextStream>

namespace vn {

class Session;
struct InterchangeCommand;

// "--import" from an outside table (.db Paradox, .dbf dBase, a table of an .mdb or .accdb Access
// data base): the map's "N = FIELD" lines name the table's column N (up to its column count) and
// fill header fields, page text fields and page memos; every row imported in one transaction.
// The exit status: 0 with the summary on out, 1 with the problem on err and nothing changed.
int importOutsideTable(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err);

}  // namespace vn
