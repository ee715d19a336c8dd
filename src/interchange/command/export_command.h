#pragma once

#include <QTextStream>

namespace vn {

class Session;
struct InterchangeCommand;

// "--export": every record of the list written to FILE, as CSV (.csv), a workbook (.xlsx) or a
// text file by the layout's method; the layout's fields, or every field of the list. The exit
// status: 0 with the summary on out, 1 with the problem on err and the old file kept.
int exportListFile(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err);

}  // namespace vn
