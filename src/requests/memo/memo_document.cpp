#include "requests/memo/memo_document.h"

#include "lists/records/record_tables.h"
#include "platform/printing/pdf_printout.h"
#include "platform/text_lines.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"


namespace vn {

namespace {

constexpr int kFirstName = 2, kMiddleInitial = 3, kLastName = 4;

QStringList memoLines(RecordAccess& access, const MemoEntry& entry) {
    if (!access.FindRecord(pageSlot(entry.page), entry.key)) return {};
    const QString memo = access.GetFieldText(pageSlot(entry.page), kMemoColumn);
    if (memo.isEmpty()) return {};
    return splitLines(memo);
}

std::optional<QString> documentName(RecordAccess& access, const QString& key) {
    if (!access.FindRecord(kHeadSlot, key)) return std::nullopt;
    return access.GetFieldText(kHeadSlot, kLastName) + QStringLiteral(", ") +
           access.GetFieldText(kHeadSlot, kMiddleInitial) + u' ' + access.GetFieldText(kHeadSlot, kFirstName);
}

}  // namespace

MemoPrintout readMemoPrintout(RecordAccess& access, const QString& listCode, const QStringList& memoNames,
                              const QList<MemoEntry>& chosen) {
    MemoPrintout printout{listCode, {}};
    for (const MemoEntry& entry : chosen)
        printout.memos.append({entry.key, entry.page, memoNameOf(memoNames, entry.page), documentName(access, entry.key),
                               memoLines(access, entry)});
    return printout;
}

Printout memoPrintout(MemoPrintout memos) {
    Printout printout;
    printout.title = QStringLiteral("Varnedo Memo Printings");
    printout.pdfFileName = kMemoPdfFileName;
    printout.layout = [memos = std::move(memos)](PageSink& sink) { layoutMemos(sink, memos); };
    return printout;
}

QString writeMemoPdf(const MemoPrintout& memos, const QString& path) {
    return writePdf(memoPrintout(memos), path, PdfPage{true});
}

}  // namespace vn
