#pragma once

namespace vn {

class Session;
class ShellView;

// Closing and saving, shared by the orderly exit and "Update Disk".
void closeAllTables(Session& session);
// Writes the saved copy (one whole generation, through a temporary file); reports a failure
// naming the file and keeps the previous copy. True when the copy was written.
bool saveTables(Session& session, ShellView& view);
// Removes every file of the saves folder.
void emptySavesFolder(Session& session);
// Opens the System table and the data tables and reads the settings (counting a start).
void openAllTables(Session& session);

}  // namespace vn
