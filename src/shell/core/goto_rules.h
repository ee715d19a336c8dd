#pragma once

namespace vn {

class Session;

// The entries of every window's "Goto" menu, in menu order.
enum class GotoEntry { Exit, Main, Designer, Entry, Archive, Utilities, Import, Export };

// Whether a Goto entry of window `window` can be chosen. The main window's entries, Exit aside,
// wait for the deferred start (`started`); Data Import and Data Export work on the current list,
// so every window offers them only while there is one.
bool gotoEntryEnabled(int window, GotoEntry entry, bool started, bool listCurrent);

// The current list names a data list that exists (a code being typed for a new list does not).
bool hasCurrentList(const Session& session);

}  // namespace vn
