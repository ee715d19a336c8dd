#pragma once

#include "bench_support.h"
#include "store/access/record_access.h"
#include "store/files/installation.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <sqlite3.h>

namespace vn::bench {

// A new database at path holding every table, then filled by plain SQL.
inline void createFilledDatabase(const QString& path, const std::function<void(sqlite3*)>& fill) {
    createDatabase(path);
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    fill(db);
    sqlite3_close(db);
}

// A filled database made once for a run, the template that work copies are taken from.
struct TemplateDatabase {
    explicit TemplateDatabase(const std::function<void(sqlite3*)>& fill) { createFilledDatabase(path, fill); }
    QTemporaryDir dir;
    QString path = QDir(dir.path()).filePath("template.db");
};

// A new database in a temporary folder, filled by plain SQL, its tables then opened as the
// program opens them.
struct BenchStore {
    explicit BenchStore(const std::function<void(sqlite3*)>& fill) {
        path = QDir(dir.path()).filePath("Varnedo1.db");
        createFilledDatabase(path, fill);
        catalogue.ReopenDataTables(dir.path(), {});
    }
    QTemporaryDir dir;
    QString path;
    SilentPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
};

// A database copied again from its template before each run.
struct WorkCopy {
    explicit WorkCopy(std::function<QString()> source)
        : path(QDir(dir.path()).filePath("Varnedo1.db")), m_source(std::move(source)) {}
    void refresh() {
        QFile::remove(path);
        QFile::copy(m_source(), path);
    }
    // A plain connection set up as the program sets up its own.
    sqlite3* openPlain() const {
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
        return db;
    }
    QTemporaryDir dir;
    QString path;

private:
    std::function<QString()> m_source;
};

// The tables of a folder opened as the program opens them.
struct OpenedTables {
    explicit OpenedTables(const QString& folder) { catalogue.ReopenDataTables(folder, {}); }
    SilentPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
};

// Times work on the program's tables of a fresh copy at each iteration; work returns an error
// text, empty when the run did what it should.
template <typename Work>
void timeOnFreshTables(benchmark::State& state, WorkCopy& copy, Work&& work) {
    for (auto _ : state) {
        state.PauseTiming();
        copy.refresh();
        OpenedTables tables(copy.dir.path());
        state.ResumeTiming();
        const QString error = work(tables.access);
        if (!error.isEmpty()) {
            state.SkipWithError(error.toUtf8().constData());
            break;
        }
    }
}

}  // namespace vn::bench
