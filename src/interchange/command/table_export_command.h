#pragma once

#include <QTextStream>

namespace vn {

class Session;
struct InterchangeCommand;

// "--export" into a new table, FILE.db (Paradox) or FILE.dbf (dBase), made where FILE says: its
// fields "Key" and the layout's (header fields, page text fields and page memos), named by the
// format's rules, then every record of the list. A table of that name in the folder (any member,
// in any case) is refused unless --replace. The exit status: 0 with the summary on out, 1 with
// the problem on err and nothing changed.
int exportListTable(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err);

}  // namespace vn
