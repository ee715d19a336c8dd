#pragma once

#include "shell/ui/application_windows.h"

namespace vn {

// The record entry window (7) and the request builder (9), made to know each other: the
// builder's List view shows its records in the entry window.
WindowFactories entryAndBuilderWindows();

}  // namespace vn
