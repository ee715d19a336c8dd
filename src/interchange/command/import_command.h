#pragma once

#include <QTextStream>

namespace vn {

class Session;
struct InterchangeCommand;

// "--import": the map file read against the list's fields, the text file read whole and cut by the
// map's method, its heading records left out, and every record imported in one transaction. The
// exit status: 0 with the summary on out, 1 with the problem on err and nothing changed.
int importTextFile(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err);

}  // namespace vn
