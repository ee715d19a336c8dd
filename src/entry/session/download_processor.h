#pragma once

#include <QString>

namespace vn {

class RecordAccess;

// What processing a downloaded file did.
struct DownloadResult {
    bool fileFound = false;
    QString message;      // for a missing file: the notice that everything has been processed
    int created = 0;      // record lines that made a new row
    int kept = 0;         // record lines whose row existed and stayed unchanged
    int memos = 0;        // memo texts written
    int skippedLines = 0; // lines naming no known table (or a header memo)
};

// Reads <base>/WebXfer/<state><county>down.vnq (lower case): record lines make missing rows of
// Head or a page table, memo lines fill the page memo of the record line before them. The whole
// file applies as one transaction and is deleted only after it; a bad line throws StoreError
// naming the file and the line, and nothing is written.
DownloadResult ProcessDownload(RecordAccess& access, const QString& base, const QString& stateCode,
                               const QString& countyCode);

}  // namespace vn
