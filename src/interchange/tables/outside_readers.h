#pragma once

#include "interchange/tables/foreign_opener.h"

namespace vn {

// The readers the import window uses: dBase files by our own reader; Paradox files (a sibling's
// too) and Access data bases (their tables and the list of them) through a child process, so an
// outside library's crash on a bad file cannot take the program with it. Kinds not read yet are
// refused naming the file.
ForeignReaders outsideTableReaders();

}  // namespace vn
