// A text import of 30,000 comma-separated lines (Last, First, City and two page fields, some
// values enclosed in quotes) into a list: the file read, cut and imported in one transaction,
// against the sqlite3 shell's ".import --csv" of the same file into a plain table.
#include "bench_store.h"
#include "interchange/import/import_run.h"
#include "lists/records/record_tables.h"
#include "ratio_reporter.h"

#include <QFile>
#include <QProcess>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kLines = 30000;

bench::BenchStore& store() {
    static auto* s = new bench::BenchStore([](sqlite3*) {});
    return *s;
}

QString path(const char* name) { return QDir(store().dir.path()).filePath(QString::fromLatin1(name)); }

void writeFile() {
    static const char* const cities[] = {"Casper", "Cody", "\"Rock Springs, WY\"", "Laramie"};
    QByteArray text;
    for (int i = 0; i < kLines; ++i)
        text += QStringLiteral("Lastname%1,\"First %2\",%3,%4,Note %5\r\n")
                    .arg(i)
                    .arg(i % 977)
                    .arg(QLatin1String(cities[i % 4]))
                    .arg(i * 7 % 10000)
                    .arg(i % 31)
                    .toUtf8();
    QFile file(path("import.csv"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) throw std::runtime_error("cannot write the file");
}

ImportPlan plan() {
    ImportPlan p{"abc", {"wy", "alb"}, 1, 5, {}};
    p.mapping.map(1, {0, 4});   // Last
    p.mapping.map(2, {0, 2});   // First
    p.mapping.map(3, {0, 13});  // City
    p.mapping.map(4, {1, 1});
    p.mapping.map(5, {1, 2});
    return p;
}

void clearRecords() {
    RecordAccess& access = store().access;
    access.DeleteAllRecords(kHeadSlot, false);
    access.DeleteAllRecords(kPag1Slot, false);
    access.DeleteRecord(kParmSlot, "abc");
}

void Import_ours(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        clearRecords();
        state.ResumeTiming();
        TextProblem problem;
        const auto file = readImportText(path("import.csv"), std::nullopt, problem);
        const auto records = file ? cutImportRecords(*file, {FieldMethod::Delimited, 0, '"', ','}, problem) : std::nullopt;
        if (!records) {
            state.SkipWithError("the file was refused");
            return;
        }
        ImportRun run(store().access, plan(), *records);
        if (run.importAll({}) != WorkEnd::Done) state.SkipWithError("the import failed");
    }
    if (store().access.RecordCount(kHeadSlot) != kLines) state.SkipWithError("records are missing");
    state.counters["records"] = double(store().access.RecordCount(kHeadSlot));
}

void Import_plain(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path("plain.db"));
        sqlite3* db = nullptr;
        sqlite3_open(path("plain.db").toUtf8().constData(), &db);
        exec(db, "CREATE TABLE T (last TEXT, first TEXT, city TEXT, a TEXT, b TEXT)");
        sqlite3_close(db);
        state.ResumeTiming();
        QProcess shell;
        shell.start(QStringLiteral("sqlite3"), {path("plain.db"), QStringLiteral(".import --csv %1 T").arg(path("import.csv"))});
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0) state.SkipWithError("the sqlite3 shell failed");
    }
}

}  // namespace

BENCHMARK(Import_plain)->Name("ImportText30k/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(Import_ours)->Name("ImportText30k/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

int main(int argc, char** argv) {
    writeFile();  // written before anything is timed
    return runWithRatios(argc, argv);
}
