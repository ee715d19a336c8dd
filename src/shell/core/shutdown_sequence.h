#pragma once

namespace vn {

class Session;
class ShellView;

// The orderly exit: close every table, save the database into the saves folder (or, after a
// first-time setup, empty it), log the end and quit. Runs once per run.
void ShutdownSequence(Session& session, ShellView& view);

// "Update Disk": the closing and saving steps, then every table opened again; the program goes on.
void UpdateDisk(Session& session, ShellView& view);

}  // namespace vn
