// A normal start and an orderly exit of a data set of 200,000 records, with the checks of both
// copies of the tables, against the same start and exit done the old way: the saved copy copied
// over the live file at every start and the live file copied back at the exit, unchecked.
#include "bench_support.h"
#include "ratio_reporter.h"
#include "shell/core/headless_view.h"
#include "shell/core/session.h"
#include "shell/core/shutdown_sequence.h"
#include "shell/core/startup_sequence.h"
#include "store/files/file_copy.h"
#include "store/files/installation.h"
#include "store/files/saved_copy.h"
#include "store/settings/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using namespace vn;
using bench::exec;

constexpr int kRecords = 200000;

// An installation set up as a county office, with a header row and a first-page row per record.
struct DataSet {
    DataSet() : tree(dir.filePath("HLV")) {
        createInstallation(tree.base());
        sqlite3* db = nullptr;
        sqlite3_open(tree.databasePath().toUtf8().constData(), &db);
        exec(db, "BEGIN");
        exec(db, "INSERT OR REPLACE INTO Parm (Key, Value) VALUES ('OType','1'), ('OpLevel','1'), ('DataFlow','1')");
        exec(db, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO Head (Key, First, Last, Address1, City, State, Zip) "
                                "SELECT printf('abcwyalb%06d00000', i), 'Ann', 'Name' || (i * 7919 % %1), "
                                "i || ' Main Street', 'Laramie', 'WY', '82070' FROM n")
                     .arg(kRecords - 1));
        exec(db, "INSERT INTO Pag1 (Key, Text1, Text2, Text3, Text4, Text5) "
                 "SELECT Key, 'first answer', 'second answer', 'third', 'fourth', 'fifth' FROM Head");
        exec(db, "COMMIT");
        sqlite3_close(db);
        writeSavedCopy(tree.databasePath(), saved());
        std::printf("data set: %lld MB; the exit save needs room for three copies at once "
                    "(live, previous saved, new saved until it replaces the previous)\n",
                    QFileInfo(tree.databasePath()).size() >> 20);
    }
    QString saved() const { return QDir(tree.savesFolder()).filePath("Varnedo1.db"); }

    QTemporaryDir dir;
    FolderTree tree;
};

DataSet& dataSet() {
    static DataSet* set = new DataSet;
    return *set;
}

// The new way, as the program runs it: a start on equal copies and an orderly exit.
struct OurRun {
    explicit OurRun(DataSet& set) : session(set.tree.base(), prompter) {}
    void start() {
        if (!runStartup(session, StartFacts{})) throw std::runtime_error("the start failed");
    }
    void exit() {
        ShutdownSequence(session, view);
        if (session.saveFailed) throw std::runtime_error("the exit save failed");
    }
    bench::SilentPrompter prompter;
    HeadlessView view;
    Session session;
};

// The old way: the saved copy over the live file at the start, the live file back at the exit.
struct PlainRun {
    explicit PlainRun(DataSet& set) : set(set) {}
    void start() {
        CopyToFolder(set.saved(), set.tree.databasePath());
        catalogue.ReopenDataTables(set.tree.dataFolder(), {});
        benchmark::DoNotOptimize(readSettings(access, SettingFacts{}));
    }
    void exit() {
        catalogue.closeAll();
        Database::open(set.tree.databasePath())->copyTo(set.saved());
    }
    DataSet& set;
    bench::SilentPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
};

enum Timed { kStart = 1, kExit = 2, kBoth = 3 };

template <class Run>
void startAndExit(benchmark::State& state) {
    DataSet& set = dataSet();
    writeSavedCopy(set.tree.databasePath(), set.saved());  // as the last orderly exit left them
    const int timed = int(state.range(0));
    for (auto _ : state) {
        Run run(set);
        if (!(timed & kStart)) state.PauseTiming();
        run.start();
        if (!(timed & kStart)) state.ResumeTiming();
        if (!(timed & kExit)) state.PauseTiming();
        run.exit();
        if (!(timed & kExit)) state.ResumeTiming();
    }
}

}  // namespace

#define START_EXIT_BENCHMARK(label, timed)                                                                    \
    BENCHMARK(startAndExit<OurRun>)->Name(label "/ours")->Arg(timed)->Unit(benchmark::kMillisecond)->Iterations(1); \
    BENCHMARK(startAndExit<PlainRun>)->Name(label "/plain")->Arg(timed)->Unit(benchmark::kMillisecond)->Iterations(1)

START_EXIT_BENCHMARK("Start200k", kStart);
START_EXIT_BENCHMARK("Exit200k", kExit);
START_EXIT_BENCHMARK("StartAndExit200k", kBoth);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
