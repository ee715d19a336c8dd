// libFuzzer target for the reader of backup files. An input is a whole file; it is checked
// against the tables of a data set kept in memory and, when the check lets it through, restored
// into them in a transaction that is then rolled back. A refusal or bad lines are expected;
// anything else (a crash, a sanitizer report, an exception, a broken invariant) is a finding.
#include "exchange/backup/backup_apply.h"
#include "exchange/backup/backup_check.h"
#include "exchange/codec/file_encoding.h"
#include "store/engine/store_error.h"

#include "fuzz_tables.h"

#include <cstdint>
#include <cstdio>

namespace {

using namespace vn;

using fuzz::expect;
using fuzz::Tables;

Tables& tables() {
    static Tables t;
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Tables& t = tables();
    try {
        const BackupCheck check = checkBackup(bytes, *t.layouts);
        if (!check.refusal.isEmpty()) return 0;
        for (const BadLine& bad : check.badLines) expect(check.badLineNumbers.contains(bad.line), "every bad line is known by number");
        expect(check.badLineNumbers.size() <= check.lines, "bad lines are lines of the file");
        Transaction transaction(*t.db);
        expect(applyBackup(bytes, check, *t.db, *t.layouts), "a restore without a gauge is never cancelled");
        expect(fuzz::expectRowsFit(*t.db, *t.layouts, check.tableSlots) <= check.records, "no more rows than good record lines");
        // The transaction rolls back: the next input meets empty tables.
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(false, "a checked file restores without an engine error");
    }
    return 0;
}
