// libFuzzer target for the dBase reader. An input is a .dbf file, optionally followed by
// "----memo----" and its memo file, saved as FUZZ.DBT and fuzz.fpt beside fuzz.dbf so either kind
// is found. A refusal is expected; anything else (a crash, a sanitizer report, a broken
// invariant) is a finding.
#include "interchange/tables/dbase_field_names.h"
#include "interchange/tables/dbase_table.h"

#include "fuzz_expect.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;
using fuzz::expect;

void save(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes.data(), bytes.size()) == bytes.size(),
           "the input can be saved");
}

void showRefusal(const ForeignProblem& problem) {
    if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS")) std::fprintf(stderr, "%s\n", qPrintable(problem.message));
}

void readWhole(ForeignTable& table, const QString& path) {
    const qsizetype columns = table.columns().size();
    expect(columns > 0, "a table has a column");
    QStringList captions;
    for (const ForeignColumn& column : table.columns()) {
        expect(!column.name.isEmpty(), "a column has a name");
        captions << column.name;
    }
    for (const QString& name : dbaseFieldNames(captions)) expect(isLegalDbaseName(name), "derived names are legal");
    qint64 rows = 0;
    QStringList values;
    ForeignProblem problem;
    while (table.nextRow(values, problem)) {
        expect(++rows <= table.rowCount(), "never more rows than the file says");
        expect(values.size() == columns, "a row has a value a column");
        for (qsizetype i = 0; i < columns; ++i)
            expect(table.columns()[i].isMappable() || values[i].isEmpty(), "binary columns stay empty");
    }
    if (problem.message.isEmpty()) return;
    showRefusal(problem);
    expect(problem.message.startsWith(path + QStringLiteral(": row ")), "a refused row is named with its file");
    expect(!table.nextRow(values, problem), "a damaged table is not read on");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    expect(folder.isValid(), "a temporary folder");
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf(QByteArrayView("----memo----"));
    const QByteArrayView table = split < 0 ? input : input.first(split);
    const QByteArrayView memo = split < 0 ? QByteArrayView() : input.sliced(split + 12);
    const QString path = folder.filePath(QStringLiteral("fuzz.dbf"));
    save(path, table);
    save(folder.filePath(QStringLiteral("FUZZ.DBT")), memo);
    save(folder.filePath(QStringLiteral("fuzz.fpt")), memo);

    ForeignProblem problem;
    const auto opened = openDbaseTable(path, problem);
    if (!opened) {
        showRefusal(problem);
        expect(problem.message.startsWith(path + QStringLiteral(": ")), "a refusal names the file");
        return 0;
    }
    readWhole(*opened, path);
    return 0;
}
