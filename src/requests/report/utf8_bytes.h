#pragma once

#include "requests/report/report_document.h"

#include <QByteArray>
#include <QStringEncoder>
#include <QStringView>

namespace vn {

// Appends the text in UTF-8 straight into the bytes; returns where it starts.
qsizetype appendUtf8(QByteArray& bytes, QStringView text, QStringEncoder& utf8);

// The most bytes the records' values take in UTF-8, with `around` more per value and a line end
// per record: what a file of them needs reserved.
qsizetype mostUtf8Bytes(const QList<ReportRecord>& records, int around);

}  // namespace vn
