#pragma once

#include "bench_support.h"
#include "store/access/record_access.h"
#include "store/files/installation.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <sqlite3.h>

namespace vn::bench {

// A new database in a temporary folder, filled by plain SQL, its tables then opened as the
// program opens them.
struct BenchStore {
    explicit BenchStore(const std::function<void(sqlite3*)>& fill) {
        path = QDir(dir.path()).filePath("Varnedo1.db");
        createDatabase(path);
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        fill(db);
        sqlite3_close(db);
        catalogue.ReopenDataTables(dir.path(), {});
    }
    QTemporaryDir dir;
    QString path;
    SilentPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
};

}  // namespace vn::bench
