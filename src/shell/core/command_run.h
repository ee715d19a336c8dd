#pragma once

#include <functional>

namespace vn {

class Prompter;
class Session;

// Runs a command's work on the data set the program would start on, without a window: the
// program's locks (exit 3 while it or a family product runs), the start's recovery and checks,
// the installation resolved, then the work, then the orderly exit, which writes the saved copy.
// The work's exit status is returned, 1 when the start or the saved copy failed; a StoreError
// from the work is told through the prompter and gives 1.
int runOnDataSet(Prompter& prompter, const std::function<int(Session&)>& work);

}  // namespace vn
