// libFuzzer target for the reader of web form control files. An input is a whole file, saved as
// abcwy001.fcf in a temporary folder: listed (read as far as its title), then read, checked and
// staged against the tables of a data set kept in memory (which has rows of the list xyz) and,
// when the check lets it through, loaded into them in a transaction that is then rolled back.
// A refusal is expected; anything else (a crash, a sanitizer report, an exception, a broken
// invariant) is a finding.
#include "exchange/fcf/fcf_listing.h"
#include "exchange/fcf/fcf_reader.h"
#include "exchange/fcf/fcf_writer.h"
#include "store/catalogue/slots.h"
#include "store/engine/store_error.h"

#include "fuzz_tables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;

using fuzz::expect;
using fuzz::Tables;

const QList<int> kDefinitionSlots{kListSlot, kFdisSlot, kSelcSlot, kTdatSlot};

Tables& tables() {
    static Tables* t = [] {
        auto* made = new Tables;
        RowWriter(*made->db, TableCatalogue::tableName(kListSlot)).write("xyz", {});
        RowWriter(*made->db, TableCatalogue::tableName(kFdisSlot)).write("xyz101", {});
        return made;
    }();
    return *t;
}

const QDir& folder() {
    static QTemporaryDir* dir = new QTemporaryDir;
    static const QDir d(dir->path());
    return d;
}

// The rows of the list abc, and whether the rows of xyz are as they were.
qint64 rowsOf(Database& db, const QByteArray& code) {
    qint64 rows = 0;
    for (int slot : kDefinitionSlots) {
        RowStream stream(db, TableCatalogue::tableName(slot), 1);
        while (stream.next()) rows += stream.value(0).startsWith(code) ? 1 : 0;
    }
    return rows;
}

QString saved(const QByteArray& bytes, const QString& name) {
    const QString path = folder().filePath(name);
    QFile file(path);
    expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(), "the input is saved");
    return path;
}

void read(const QByteArray& bytes) {
    Tables& t = tables();
    const QString path = saved(bytes, QStringLiteral("abcwy001.fcf"));
    const QList<FcfEntry> listed = findFormControlFiles(folder().path(), QStringLiteral("wy"));
    expect(listed.size() == 1 && listed[0].text().startsWith(QStringLiteral("abcwy001.fcf.......")), "the file is listed once");

    FcfReader reader(*t.db, path);
    if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS") && !reader.refusal().isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(reader.refusal()));
    if (!reader.refusal().isEmpty()) {
        expect(reader.refusal().contains(QStringLiteral("[%1] was refused at byte ").arg(path)), "a refusal names the file and the offset");
        expect(reader.rowCount() == 0, "a refused file stages nothing");
        return;
    }
    expect(reader.rowCount() >= 1, "a file that is let through has its List row");
    Transaction transaction(*t.db);
    const FcfApplied applied = reader.apply();
    expect(applied.rows == reader.rowCount(), "every staged row is written");
    expect(applied.cutValues >= applied.cutExamples.size(), "every cut is counted");
    fuzz::expectRowsFit(*t.db, *t.layouts, kDefinitionSlots);
    expect(rowsOf(*t.db, "xyz") == 2, "the rows of another list stay");
    const qint64 loaded = rowsOf(*t.db, "abc");
    expect(loaded >= 1 && loaded <= applied.rows, "only the list's rows are written");

    // What the writer makes of the loaded list, the reader takes whole.
    const FcfContent again = FcfWriter(*t.db).encode(QStringLiteral("abc"));
    const QString rewritten = saved(again.bytes, QStringLiteral("abcwy002.fcf"));
    FcfReader reread(*t.db, rewritten);
    QFile::remove(rewritten);
    expect(reread.refusal().isEmpty(), "the writer's file is never refused");
    expect(reread.rowCount() == loaded - again.leftOut.size(), "the writer's file holds every row of the list");
    // The transaction rolls back: the next input meets the same tables.
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(false, "a checked file loads without an engine error");
    }
    return 0;
}
