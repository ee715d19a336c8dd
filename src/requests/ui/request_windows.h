#pragma once

#include "requests/ui/builder_window.h"
#include "shell/ui/application_windows.h"

namespace vn {

// The record entry window (7), the request builder (9) and the label sheet window (10), made to
// know each other: the builder's List view shows its records in the entry window, and its label
// runs go to the label sheet window. `printList` serves "Print List".
WindowFactories entryAndBuilderWindows(RequestBuilderWindow::PrintList printList = {});

}  // namespace vn
