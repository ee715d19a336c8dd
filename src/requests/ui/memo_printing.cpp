#include "requests/ui/memo_printing.h"

#include "platform/prompter.h"
#include "requests/memo/memo_document.h"
#include "platform/ui/busy_cursor.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QDir>

namespace vn {

void printChosenMemos(Session& session, const QString& listCode, const QStringList& memoNames,
                      const QList<MemoEntry>& chosen) {
    if (chosen.isEmpty()) return;
    const QString folder = session.folders.outputFolder();
    const QString path = QDir(folder).filePath(kMemoPdfFileName);
    QString failure;
    {
        BusyCursor busy;
        QDir().mkpath(folder);  // a failure shows as the file's own error below
        try {
            failure = writeMemoPdf(readMemoPrintout(session.access, listCode, memoNames, chosen), path);
        } catch (const StoreError& e) {
            failure = e.message();
        }
    }
    if (!failure.isEmpty()) {
        session.prompter.error(QStringLiteral("The memos could not be saved as\r\r%1\r\r%2").arg(path, failure));
        return;
    }
    if (!session.openAddress || !session.openAddress(path))
        session.prompter.information(QStringLiteral("The memos were saved as\r\r%1\r\rNo program to show PDF files could be started.").arg(path));
}

}  // namespace vn
