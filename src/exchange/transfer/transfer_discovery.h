#pragma once

#include "exchange/transfer/transfer_format.h"

#include <QList>
#include <QString>

namespace vn {

class RecordAccess;

// A file in the exchange folder offered to receive.
struct OfferedFile {
    QString path;
    QString fileName;
    QString entry;  // the file name and who sent it: "albform.vnf   (from Albany)"
};

// Every exchange file of the kind addressed to this office, by name: 11 characters, "form" or
// "data" as characters 4 to 7, the kind's extension, and the office's code among the
// destinations of line 2 (all without regard to case).
QList<OfferedFile> findReceivedFiles(RecordAccess& access, const QString& exchangeFolder, TransferKind kind,
                                     const QString& ownCode);

// Whether a file name has the shape of an exchange file of the kind.
bool isTransferFileName(const QString& fileName, TransferKind kind);

}  // namespace vn
