#pragma once

#include "interchange/tables/foreign_opener.h"

namespace vn {

// The readers the import window uses: dBase files and a sibling's SQLite files by our own
// readers; Paradox files (a sibling's too) and Access data bases (their tables and the list of
// them) through a child process, so an outside library's crash on a bad file cannot take the
// program with it.
ForeignReaders outsideTableReaders();

}  // namespace vn
