#pragma once

#include <QString>
#include <functional>

namespace vn {

class RecordAccess;

// What processing a downloaded file did.
struct DownloadResult {
    bool fileFound = false;
    bool cancelled = false;  // stopped by its gauge: nothing written, the file kept
    QString path;         // the file processed, or looked for
    QString message;      // for a missing file: the notice that everything has been processed
    int created = 0;      // record lines that made a new row
    int kept = 0;         // record lines whose row existed and stayed unchanged
    int memos = 0;        // memo texts written
    int skippedLines = 0; // lines naming no known table (or a header memo)
};

// Told after each line (done of total lines); answering false stops the processing.
using DownloadStep = std::function<bool(qint64 done, qint64 total)>;

// <base>/WebXfer, where files downloaded from the central web service are saved; found in any
// case, created when missing.
QString webTransferFolder(const QString& base);

// <base>/WebXfer/<state><county>down.vnq, the name in lower case, found in any case.
QString downloadFilePath(const QString& base, const QString& stateCode, const QString& countyCode);

// Reads that file: record lines make missing rows of Head or a page table, memo lines fill the
// page memo of the record line before them. The whole file applies as one transaction and is
// deleted only after it; a bad line throws StoreError naming the file and the line, and nothing
// is written, as when the step stops it.
DownloadResult ProcessDownload(RecordAccess& access, const QString& base, const QString& stateCode,
                               const QString& countyCode, const DownloadStep& step = {});

// One line telling what the processing did.
QString downloadSummary(const DownloadResult& result);

}  // namespace vn
