#pragma once

#include "store/access/record_access.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <memory>

namespace vn::test {

// A temporary data folder with a new database of every table, all data slots open.
class StoreFixture {
public:
    StoreFixture();
    QString dataFolder() const { return folder.path(); }
    QString databasePath() const;
    // Inserts records with the given keys (field 1 = "v" + key) in one go.
    void addRecords(int slot, const QStringList& keys);
    QStringList keys(int slot);  // every key of the slot's table in order

    TempFolder folder;
    RecordingPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
};

}  // namespace vn::test
