#pragma once

class QApplication;

namespace vn {

class EntryGate;
class MessageBoxPrompter;

// The run on a found base: splash, start-up, windows, the deferred step, the event loop and the
// orderly exit however the loop ended. Returns the exit status.
int runProgram(QApplication& app, EntryGate& gate, MessageBoxPrompter& prompter);

}  // namespace vn
