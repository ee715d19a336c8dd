// libFuzzer target for the reading of a sibling product's source table. The first byte picks the
// source (1 to 8), the rest is the whole table file, saved in a temporary folder and opened read
// only as that source. A refusal naming the file is expected. An opened table must list the same
// records by id (in the file's key order) and by name (in text order), find every listed record, give every
// field its header map and texts read (empty where the file lacks one), and never fail after it
// opened. Anything else (a crash, a sanitizer report, an engine error, a broken invariant) is a
// finding.
#include "lists/siblings/sibling_table.h"
#include "store/engine/store_error.h"

#include "fuzz_expect.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;
using fuzz::expect;

const QString& filePath() {
    static QTemporaryDir* dir = new QTemporaryDir;
    static const QString path = dir->filePath(QStringLiteral("Source1.db"));
    return path;
}

void checkRecord(SiblingTable& table, const SiblingEntry& entry) {
    const auto fields = table.record(entry.key);
    expect(fields.has_value(), "a listed record is found");
    for (const auto& [head, field] : headerLinkMap(table.source().number))
        expect(field < fields->size(), "the header map reads inside the record");
    expect(table.field(entry.key, 1000).value_or(QStringLiteral("x")).isEmpty(), "a field the file lacks reads empty");
}

void checkTable(SiblingTable& table) {
    const QList<SiblingEntry> byId = table.list(SiblingOrder::ById);
    const QList<SiblingEntry> byName = table.list(SiblingOrder::ByName);
    expect(byId.size() == byName.size(), "both orders list every record");
    // By id is the file's own key order (its collation is the file's), so only its keys are checked.
    expect(std::is_sorted(byName.begin(), byName.end(), [](const auto& a, const auto& b) { return a.text < b.text; }),
           "by name in text order");
    for (qsizetype i = 0; i < std::min<qsizetype>(byId.size(), 20); ++i) checkRecord(table, byId[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const SiblingSource& source = *siblingSource(data[0] % 8 + 1);
    {
        QFile file(filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }
    QFile::remove(filePath() + QStringLiteral("-wal"));
    QFile::remove(filePath() + QStringLiteral("-shm"));
    QString problem;
    try {
        auto table = SiblingTable::open(filePath(), source, problem);
        if (!table) {
            expect(problem.contains(QStringLiteral("Source1.db")), "a refusal names the file");
            return 0;
        }
        checkTable(*table);
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(false, "no engine error after the table opened");
    }
    return 0;
}
