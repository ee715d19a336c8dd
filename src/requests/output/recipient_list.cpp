#include "requests/output/recipient_list.h"

#include "requests/output/list_print_layout.h"

namespace vn {

namespace {

QString outcomeText(const RecipientOutcome& r) {
    switch (r.kind) {
    case RecipientOutcome::Kind::Sent: return QStringLiteral("sent");
    case RecipientOutcome::Kind::Refused: return QStringLiteral("refused: ") + r.why;
    case RecipientOutcome::Kind::Skipped: return QStringLiteral("skipped: ") + r.why;
    case RecipientOutcome::Kind::Failed: return QStringLiteral("failed: ") + r.why;
    case RecipientOutcome::Kind::NotSent: return QStringLiteral("not sent: ") + r.why;
    }
    return {};
}

}  // namespace

Printout recipientListPrintout(const QString& subject, const QList<RecipientOutcome>& outcomes, const QDateTime& printedAt) {
    PrintedList list;
    list.displayText = QStringLiteral("Subject: ") + subject;
    for (const RecipientOutcome& r : outcomes)
        list.entries << (r.key + QStringLiteral("   ")).left(20) + (r.address + QStringLiteral("   ")).leftJustified(30) +
                            outcomeText(r);
    list.printedAt = printedAt;
    list.heading = QStringLiteral("Varnedo Email Recipients...");
    list.countText = QStringLiteral("Recipients = %1");
    Printout printout;
    printout.title = QStringLiteral("Varnedo Email Recipients");
    printout.pdfFileName = kRecipientPdfFileName;
    printout.layout = [list = std::move(list)](PageSink& sink) { layoutPrintedList(sink, list); };
    return printout;
}

}  // namespace vn
