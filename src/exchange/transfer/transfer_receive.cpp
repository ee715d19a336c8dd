#include "exchange/transfer/transfer_receive.h"

#include "exchange/codec/cut_values.h"
#include "exchange/codec/form_questions.h"
#include "exchange/transfer/received_file.h"
#include "platform/prompter.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"

#include <QDir>

namespace vn {

namespace {

const QString kOneFile = QStringLiteral(
    "ONE file processed.  If you selected multiple files for processing, you will have to re-select the files for "
    "processing one at a time due to data file and program information mismatch!");
const QString kComplete = QStringLiteral("File(s) processing complete.");

QString otherVersion(TransferKind kind, const QString& fileVersion, const QString& running) {
    QString text = QStringLiteral("The received file data information does not match the current program settings. \r\rData File Information                     Program Information \r\rVersion [%1]                           Version [%2]\r\rDo you want to continue?\r\r").arg(fileVersion, running);
    if (kind == TransferKind::Forms) return text + QStringLiteral("If you are not sure, select [No] and contact your Grovanta! user consultant.");
    return text + QStringLiteral("If you are not sure, select [No] and contact your Varnedo user consultant.  Selecting [Ok] will require "
                                 "password entry.");
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// What the merged files did, told after the completion message.
struct Findings {
    qint64 cutValues = 0;
    QStringList cutExamples;
    qint64 skippedLines = 0;
    QStringList unknownLists;

    void add(const ReceivedFile& file, const TransferApplied& applied) {
        cutValues += applied.cutValues;
        cutExamples += applied.cutExamples;
        skippedLines += file.check().skippedLines;
        for (const QString& code : file.check().unknownLists)
            if (!unknownLists.contains(code)) unknownLists << code;
    }

    void tell(Prompter& prompter) const {
        if (skippedLines > 0)
            prompter.information(QStringLiteral("%1 record lines of lists this office does not have were skipped: %2.")
                                     .arg(skippedLines)
                                     .arg(unknownLists.join(QStringLiteral(", "))));
        if (cutValues > 0) prompter.information(cutValuesMessage(cutValues, cutExamples));
    }
};

class Receiver {
public:
    Receiver(Database& db, Prompter& prompter, const ReceiveRequest& request, const WorkProgress& progress)
        : m_db(db), m_prompter(prompter), m_request(request), m_progress(progress) {}

    ReceiveRun run() {
        bool complete = true;  // the completion message is due
        for (const QString& path : m_request.files) {
            const Step step = receive(path);
            if (step == Step::Cancelled) {
                m_run.end = WorkEnd::Cancelled;
                complete = false;
                break;
            }
            if (step == Step::Declined) complete = false;
            if (step == Step::StopDeclined || step == Step::StopMerged) {
                // Data files say nothing more after another version; forms unless it was declined.
                complete = complete && m_request.kind == TransferKind::Forms && step == Step::StopMerged;
                break;
            }
        }
        if (complete) m_prompter.information(kComplete);
        m_findings.tell(m_prompter);
        m_run.touchedLists.sort();
        return m_run;
    }

private:
    enum class Step { Next, Declined, Cancelled, StopDeclined, StopMerged };

    Step receive(const QString& path) {
        ReceivedFile file(m_db, path, m_request.kind, m_progress);
        if (file.cancelled()) return Step::Cancelled;
        m_progress.show(file.firstLine());
        if (!file.refusal().isEmpty()) {
            m_prompter.beep();
            m_prompter.error(file.refusal() + QStringLiteral("\r\rNothing of this file was merged; the file is kept."));
            return Step::Next;
        }
        const bool otherVersionAccepted = !file.versionMatches(m_request.version);
        if (otherVersionAccepted && !acceptOtherVersion(file)) return Step::StopDeclined;
        for (int i = 0; i < file.presentLists().size(); ++i) {
            m_prompter.beep();
            if (m_prompter.confirmation(QString::fromLatin1(kFormAlreadyPresent), Buttons::OkNo) != Answer::Ok) return otherVersionAccepted ? Step::StopDeclined : Step::Declined;
        }
        if (!merge(file)) return m_run.end == WorkEnd::Cancelled ? Step::Cancelled : Step::Next;
        if (!otherVersionAccepted) return Step::Next;
        m_prompter.beep();
        m_prompter.warning(kOneFile);
        return Step::StopMerged;
    }

    bool acceptOtherVersion(const ReceivedFile& file) {
        if (m_request.kind == TransferKind::Forms) m_prompter.beep();
        if (m_prompter.warning(otherVersion(m_request.kind, file.version(), m_request.version), Buttons::OkNo) != Answer::Ok) return false;
        if (m_request.kind == TransferKind::Forms) return true;
        return m_request.password && m_request.password(file.path());
    }

    bool merge(ReceivedFile& file) {
        TransferApplied applied;
        try {
            applied = file.apply(m_progress);
        } catch (const StoreError& e) {
            m_prompter.error(QStringLiteral("%1 could not be merged: %2\r\rNothing of this file was merged; the file is kept.")
                                 .arg(native(file.path()), e.message()));
            return false;
        }
        if (applied.cancelled) {
            m_run.end = WorkEnd::Cancelled;
            return false;
        }
        ++m_run.merged;
        m_findings.add(file, applied);
        for (const QString& code : applied.touchedLists)
            if (!m_run.touchedLists.contains(code)) m_run.touchedLists << code;
        if (m_request.removeAfter) {
            const QString reason = file.erase();
            if (!reason.isEmpty())
                m_prompter.warning(QStringLiteral("%1 was merged but could not be erased: %2").arg(native(file.path()), reason));
        }
        return true;
    }

    Database& m_db;
    Prompter& m_prompter;
    const ReceiveRequest& m_request;
    const WorkProgress& m_progress;
    ReceiveRun m_run;
    Findings m_findings;
};

}  // namespace

ReceiveRun ReceiveTransferFiles(Database& db, Prompter& prompter, const ReceiveRequest& request, const WorkProgress& progress) {
    return Receiver(db, prompter, request, progress).run();
}

}  // namespace vn
