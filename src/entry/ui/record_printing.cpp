#include "entry/ui/record_printing.h"

#include "entry/printout/record_document.h"
#include "entry/session/entry_session.h"
#include "lists/definitions/definition_cache.h"
#include "platform/prompter.h"

namespace vn {

namespace {

RecordSnapshot snapshotOf(const EntrySession& session) {
    RecordSnapshot record;
    record.key = session.key();
    for (int field = 1; field < int(record.header.size()); ++field) record.header[field] = session.header(field);
    for (int page = 1; page <= kPageCount; ++page)
        for (int column = 1; column <= kPageColumns; ++column) record.pages[page - 1][column] = session.value(page, column);
    return record;
}

}  // namespace

void printRecord(const EntrySession& session, RecordPrintoutFile& file, const RecordPrintoutPlace& place, Prompter& prompter) {
    const RecordPrintoutResult result = file.write(snapshotOf(session), std::make_shared<const DefinitionCache>(session.definitions()),
                                                   place.filesFolder ? place.filesFolder() : QString());
    if (!result.ok()) {
        prompter.error(result.error);
        return;
    }
    if (!place.open || !place.open(result.path))
        prompter.information(
            QStringLiteral("The printout was saved as\r\r%1\r\rNo program to show PDF files could be started.").arg(result.path));
}

}  // namespace vn
