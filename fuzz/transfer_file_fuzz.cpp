// libFuzzer target for the reader of exchange files between offices. An input is a whole file,
// read as a form file and as a data file: decoded, checked against the tables of a data set kept
// in memory (which has the list "abc") and, when the check lets it through, merged into them in
// a transaction that is then rolled back. A refusal is expected; anything else (a crash, a
// sanitizer report, an exception, a broken invariant) is a finding.
#include "exchange/transfer/received_file.h"
#include "exchange/transfer/transfer_apply.h"
#include "exchange/transfer/transfer_check.h"
#include "store/catalogue/slots.h"
#include "store/engine/store_error.h"
#include "store/files/text_file.h"

#include "fuzz_tables.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;

using fuzz::expect;
using fuzz::Tables;

Tables& tables() {
    static Tables* t = [] {
        auto* made = new Tables;
        RowWriter(*made->db, TableCatalogue::tableName(kListSlot)).write("abc", {});
        return made;
    }();
    return *t;
}

void receive(const QByteArray& text, TransferKind kind) {
    Tables& t = tables();
    const TransferCheck check = checkTransfer(text, kind, *t.layouts, listCodesHere(*t.db), QStringLiteral("fuzz.vnd"));
    if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS") && !check.refusal.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(check.refusal));
    if (!check.refusal.isEmpty()) {
        expect(check.refusal.contains(QStringLiteral("fuzz.vnd, line ")), "a refusal names the file and the line");
        return;
    }
    expect(check.records >= 0 && check.skippedLines >= 0, "counts are counts");
    Transaction transaction(*t.db);
    const TransferApplied applied = applyTransfer(text, check, *t.db, *t.layouts);
    expect(!applied.cancelled, "a merge without a gauge is never cancelled");
    expect(applied.records == check.records, "every good record line is merged once");
    expect(applied.cutValues >= applied.cutExamples.size(), "every cut is counted");
    const qint64 rows = fuzz::expectRowsFit(*t.db, *t.layouts, transferFormat(kind).tableSlots);
    expect(rows <= check.records + (kind == TransferKind::Forms ? 1 : 0), "no more rows than good record lines");
    // The transaction rolls back: the next input meets the same tables.
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = utf8Text(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    expect(isValidUtf8(text), "a file is read as UTF-8");
    try {
        receive(text, TransferKind::Forms);
        receive(text, TransferKind::Data);
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(false, "a checked file merges without an engine error");
    }
    return 0;
}
