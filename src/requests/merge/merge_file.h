#pragma once

#include "requests/report/report_document.h"

#include <QByteArray>
#include <QString>

namespace vn {

class Prompter;

inline const QString kMergeFileName = QStringLiteral("VNMail.dat");

// The merge file: the captions, then one line per record; every text in double quotes with its
// quotes doubled and each line break written as one space, commas between, CR LF after every
// line. Without records it is empty: no caption line either.
QByteArray mergeFileBytes(const QList<PrintField>& fields, const QList<ReportRecord>& records);

// Writes VNMail.dat into the Files folder whole or not at all (the old file stays on failure),
// telling the user why it failed, or where it is when it holds records. True when written.
bool writeMergeFile(const QString& filesFolder, const QList<PrintField>& fields, const QList<ReportRecord>& records,
                    Prompter& prompter);

}  // namespace vn
