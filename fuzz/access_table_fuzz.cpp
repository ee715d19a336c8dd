// libFuzzer target for our Access reader over mdbtools: the input saved as fuzz.mdb, its table names
// listed, then the first few tables opened and every row read. mdbtools itself can crash on a
// damaged file (the program runs it in a child process for that reason); such inputs are findings
// about the library, kept out of the replayed corpus. Our own code must never hand out rows the
// file did not give, nor a refusal that does not name the file.
#include "interchange/tables/access/access_table.h"

#include "fuzz_expect.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;
using fuzz::expect;

constexpr int kMostTables = 4;

void showRefusal(const ForeignProblem& problem) {
    if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS")) std::fprintf(stderr, "%s\n", qPrintable(problem.message));
}

void readTable(const QString& path, const QString& name) {
    ForeignProblem problem;
    const auto table = openAccessTable(path, name, problem);
    if (!table) {
        showRefusal(problem);
        expect(problem.message.contains(QLatin1String("fuzz.mdb")), "a refusal names the file");
        return;
    }
    qint64 rows = 0;
    QStringList values;
    while (table->nextRow(values, problem)) {
        ++rows;
        expect(values.size() == table->columns().size(), "a row holds a value a column");
        expect(rows <= table->rowCount(), "no more rows than counted");
    }
    // The table was read and checked whole when it opened: no row can be refused afterwards.
    expect(problem.message.isEmpty(), "an opened table reads to its end");
    expect(rows == table->rowCount(), "every counted row is handed out");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fuzz.mdb"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ForeignProblem problem;
    const QStringList names = accessTableNames(path, problem);
    if (!problem.message.isEmpty()) {
        showRefusal(problem);
        expect(names.isEmpty() && problem.message.contains(QLatin1String("fuzz.mdb")), "a refusal names the file");
        return 0;
    }
    for (const QString& name : names.first(std::min(qsizetype(kMostTables), names.size()))) readTable(path, name);
    return 0;
}
