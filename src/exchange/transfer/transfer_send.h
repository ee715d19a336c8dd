#pragma once

#include "exchange/codec/work_progress.h"
#include "exchange/transfer/transfer_writer.h"

namespace vn {

class Prompter;

// How a build ended, and what "Email File Now" needs of the file.
struct TransferBuild {
    WorkEnd end = WorkEnd::Failed;
    QString path;
    QByteArray header;     // lines 1 to 3 as written, each closed by CR LF
    QStringList leftOut;   // data records left out whole for a "~", by key
    QString transferDate;  // "TransferDate" as now stored; empty when the setting is absent
};

// "Build Form Send File", "Build Now" and "Build Data Transmission/Upload File": the file
// <exchange folder>/<own code>form.vnf or data.vnd. An existing file is replaced only when the
// user says so. The file is written under a temporary name and renamed once complete, so a
// failed or cancelled build leaves the old file (or none); "TransferDate" is set after the
// rename. Every message goes through the prompter: the question, a failure with its reason, a
// refused form build, the success and the records left out.
TransferBuild SendTransferFile(RecordAccess& access, Prompter& prompter, const QString& exchangeFolder,
                               const TransferRequest& request, const WorkProgress& progress = {});

}  // namespace vn
