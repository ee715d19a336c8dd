#pragma once

#include "shell/ui/application_windows.h"

class QApplication;

namespace vn {

class EntryGate;
class ExitSignals;
class MessageBoxPrompter;

// The run on a found base: splash, start-up, windows, the deferred step, the event loop and the
// orderly exit however the loop ended. The factories make the windows that have views of their
// own. Returns the exit status.
int runProgram(QApplication& app, EntryGate& gate, MessageBoxPrompter& prompter, ExitSignals& exitSignals,
               const WindowFactories& windowFactories);

}  // namespace vn
