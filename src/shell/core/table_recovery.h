#pragma once

namespace vn {

class Session;

// Brings the live database into shape before it is opened. Both copies (live and saved) are
// looked at first; the start runs on the newest intact one, a replaced file that differs is kept
// aside, and when neither can be used nothing is touched and StoreError says why. After an
// orderly exit the two copies are equal and nothing is copied. True when the saved copy must be
// written again once the tables are complete (refreshSavedCopy).
bool recoverLiveDatabase(Session& session);

// Writes the saved copy from the live tables; a failure is reported and the run goes on.
void refreshSavedCopy(Session& session);

// A live database that is missing altogether gets the empty shell, with a warning.
void replaceMissingDatabase(Session& session);

// Each missing table is created empty from the schema, with a warning. Throws StoreError naming
// a table that cannot be created.
void replaceMissingTables(Session& session, int firstSlot, int lastSlot);

}  // namespace vn
