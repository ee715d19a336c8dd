#pragma once

namespace vn {

class Session;

// "Print Form": the blank form of the current list on the program's print job, the preview over
// the installed printers, or <code>Form.pdf in the Files folder when there is none.
void printBlankForm(Session& session);

}  // namespace vn
