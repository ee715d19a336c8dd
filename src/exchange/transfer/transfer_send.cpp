#include "exchange/transfer/transfer_send.h"

#include "exchange/transfer/transfer_header.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/store_error.h"
#include "store/settings/table_date_time.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace vn {

namespace {

constexpr char kTransferDateKey[] = "TransferDate";
constexpr int kDateField = 2;

QString notCreated(TransferKind kind, const QString& folder, const QString& reason) {
    const QString what = kind == TransferKind::Forms ? QStringLiteral("The data exchange file") : QStringLiteral("The data send file");
    return QStringLiteral("%1 could not be created.  Verify the existence of the %2 folder!\r\r%3")
        .arg(what, QDir::toNativeSeparators(folder), reason);
}

QString created(TransferKind kind) {
    return kind == TransferKind::Forms ? QStringLiteral("The Form exchange file(s) were successfully created.")
                                       : QStringLiteral("The Data Send file was successfully created.");
}

QString leftOutWarning(const QStringList& keys) {
    return QStringLiteral("These records hold a \"~\", which the data file cannot carry; they were left out of it whole:\r\r") +
           keys.join(QStringLiteral("\r"));
}

QString recordTransferDate(RecordAccess& access, const QDateTime& now) {
    if (!access.FindRecord(kParmSlot, QString::fromLatin1(kTransferDateKey))) return {};
    const QString date = formatTableDateTime(now);
    access.SetFieldText(kParmSlot, kDateField, date);
    return date;
}

// The file failed to be written; the reason is the system's.
struct WriteFailure {
    QString reason;
};

// Writes the whole file under a temporary name and renames it; a data record with a "~" found
// late makes a second pass without it.
TransferPass writeFile(RecordAccess& access, const QString& path, const TransferRequest& request, const WorkProgress& progress) {
    QSet<QByteArray> excluded;
    for (;;) {
        QSaveFile file(path);
        // Unbuffered: a write that fails (a full disk, a size limit) is seen by commit(), which then
        // keeps the old file; the writer hands over large blocks.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) throw WriteFailure{file.errorString()};
        TransferPass pass = writeTransfer(access, request, file, excluded, progress);
        if (pass.cancelled || !pass.refusal.isEmpty()) return pass;  // the temporary file goes with `file`
        if (pass.writeAgain) {
            excluded = pass.leftOut;
            continue;
        }
        pass.leftOut.unite(excluded);
        if (!file.commit()) throw WriteFailure{file.errorString()};
        return pass;
    }
}

}  // namespace

TransferBuild SendTransferFile(RecordAccess& access, Prompter& prompter, const QString& exchangeFolder,
                               const TransferRequest& request, const WorkProgress& progress) {
    TransferBuild build;
    build.path = transferFilePath(exchangeFolder, request.kind, request.ownCode);
    if (request.keys && request.keys->isEmpty()) {
        build.end = WorkEnd::Declined;  // nothing selected, nothing to send
        return build;
    }
    if (QFileInfo::exists(build.path)) {
        const QString question = QStringLiteral("The data transfer file [%1] already exists! Do you want to delete the file(s) and continue?")
                                     .arg(QDir::toNativeSeparators(build.path));
        if (prompter.warning(question, Buttons::OkNo) != Answer::Ok) {
            build.end = WorkEnd::Declined;
            return build;
        }
    }
    TransferPass pass;
    try {
        pass = writeFile(access, build.path, request, progress);
    } catch (const WriteFailure& failure) {
        prompter.error(notCreated(request.kind, exchangeFolder, failure.reason));
        return build;
    } catch (const StoreError& e) {
        prompter.error(notCreated(request.kind, exchangeFolder, e.message()));
        return build;
    }
    if (pass.cancelled) {
        build.end = WorkEnd::Cancelled;
        return build;
    }
    if (!pass.refusal.isEmpty()) {
        prompter.beep();
        prompter.error(pass.refusal);
        return build;
    }
    build.end = WorkEnd::Done;
    build.header = transferHeaderLines(request.kind, request.version, request.destinations, request.listCodes);
    build.transferDate = recordTransferDate(access, request.now);
    for (const QByteArray& key : pass.leftOut) build.leftOut << QString::fromUtf8(key);
    std::sort(build.leftOut.begin(), build.leftOut.end());
    prompter.information(created(request.kind));
    if (!build.leftOut.isEmpty()) prompter.warning(leftOutWarning(build.leftOut));
    return build;
}

}  // namespace vn
