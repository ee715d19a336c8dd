#pragma once

namespace vn {

class Session;

// Brings the live database into shape before it is opened. After an orderly exit the saved copy
// replaces it; after a run that did not end in order an intact live database is kept (and
// becomes the saved copy) and a damaged one is moved aside and replaced by the saved copy.
void recoverLiveDatabase(Session& session);

// A live database that is missing altogether gets the empty shell, with a warning.
void replaceMissingDatabase(Session& session);

// Each missing table is created empty from the schema, with a warning. Throws StoreError naming
// a table that cannot be created.
void replaceMissingTables(Session& session, int firstSlot, int lastSlot);

}  // namespace vn
