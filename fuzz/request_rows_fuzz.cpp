// libFuzzer target for the readers of stored request rows and label sheet rows. An input is a
// text in the shape of an exchange file: lines of field texts each followed by "~", the first
// field the table's slot number (17 Queu, 18 Sinf, 19 Pinf; 20 Labe, which no exchange file
// carries, for the label sheet reader). Every line goes through its decoder; a refused row is
// expected, anything else (a crash, a sanitizer report, another exception, a broken invariant)
// is a finding. A decoded request must encode again and decode to the same request.
#include "requests/stored/label_stock.h"
#include "requests/stored/request_rows.h"
#include "store/engine/store_error.h"
#include "store/engine/text_size.h"
#include "store/files/text_file.h"
#include "store/text/field_split.h"

#include "fuzz_expect.h"

#include <cstdint>
#include <cstdio>

namespace {

using namespace vn;

using fuzz::expect;

// Layouts as wide as the tables, with no size limits: whatever decodes must encode again.
RowLayout unlimited(const char* table, int fieldCount) { return {QString::fromLatin1(table), QList<int>(fieldCount, 0)}; }

const RequestRowLayouts& layouts() {
    static const RequestRowLayouts all{unlimited("Queu", request_tables::queu::kFieldCount),
                                       unlimited("Pinf", request_tables::pinf::kFieldCount),
                                       unlimited("Sinf", request_tables::sinf::kFieldCount)};
    return all;
}

void checkDisplaySplit(const QString& text) {
    const DisplayParts parts = splitDisplayText(text);
    expect(characterCount(parts[0]) <= 100 && characterCount(parts[1]) <= 100, "parts 1 and 2 hold at most 100 characters");
    expect(characterCount(parts[2]) <= 103, "part 3 holds at most 100 characters and \"...\"");
    const QString joined = joinDisplayText(parts);
    if (joined != text) {
        expect(parts[2].endsWith(QStringLiteral("...")), "only a cut part 3 changes the text");
        expect(text.startsWith(joined.chopped(3)), "the parts are the text's beginning");
    }
}

// A request that decoded encodes again and decodes to itself.
void checkRoundTrip(const StoredRequest& first) {
    RequestRows rows;
    try {
        rows = encodeRequestRows(first.key, first.request, layouts());
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(false, "a decoded request encodes again");
    }
    const StoredRequest second = decodeRequestRows(rows);
    expect(second.key == first.key, "the key survives");
    expect(second.request.kind == first.request.kind, "the kind survives");
    expect(second.request.conditions == first.request.conditions, "the conditions survive");
    expect(second.request.printFields == first.request.printFields, "the print fields survive");
    expect(second.request.sortFields == first.request.sortFields, "the sort fields survive");
    expect(second.request.displayText == joinDisplayText(splitDisplayText(first.request.displayText)),
           "the display text is stored as split");
}

// A request of the kind that keeps print and sort fields, to carry a Pinf or Sinf row.
SqlRequest reportRequest() {
    SqlRequest request;
    request.kind = RequestKind::Report;
    request.conditions = {SqlCondition{}};
    request.conditions[0].field = {0, 1};
    return request;
}

void decodeLine(const QString& slot, const RowFields& row) {
    try {
        if (slot == QLatin1String("17")) {
            checkRoundTrip(decodeQueuRow(row));
        } else if (slot == QLatin1String("19")) {
            StoredRequest stored{row.value(0), {}, reportRequest()};
            stored.request.printFields = decodePinfRow(row);
            checkRoundTrip(stored);
        } else if (slot == QLatin1String("18")) {
            StoredRequest stored{row.value(0), {}, reportRequest()};
            stored.request.sortFields = decodeSinfRow(row);
            checkRoundTrip(stored);
        } else if (slot == QLatin1String("20")) {
            const LabelStock stock = labelStockFromRow(row);
            expect(stock.perSheet >= 1 && stock.perSheet <= LabelStock::kMaxLabels, "1 to 80 labels per sheet");
            expect(qint64(stock.across) * stock.down >= stock.perSheet, "a place for every label");
            expect(stock.width > FixedPoint4() && stock.height > FixedPoint4(), "positive label sizes");
            expect(stock.width.units() * stock.across <= LabelStock::kSheetWidthInches * FixedPoint4::kScale,
                   "the labels fit across the sheet");
            expect(stock.height.units() * stock.down <= LabelStock::kSheetHeightInches * FixedPoint4::kScale,
                   "the labels fit down the sheet");
        }
    } catch (const StoreError& refused) {
        // What the decoders are for; listed on request, to see how deep the inputs reach.
        static const bool show = qEnvironmentVariableIsSet("VARNEDO_FUZZ_SHOW_REFUSALS");
        if (show) std::fprintf(stderr, "%s\n", qPrintable(refused.message()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = decodeText(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        checkDisplaySplit(line);
        if (!line.endsWith(u'~')) line += u'~';
        RowFields fields = SplitTildeFields(line);
        if (fields.isEmpty()) continue;
        const QString slot = fields.takeFirst();
        decodeLine(slot, fields);
    }
    return 0;
}
