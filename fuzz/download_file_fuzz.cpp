// libFuzzer target for the processing of a downloaded web data file (<st><cty>down.vnq). An
// input is the whole file, processed into the tables of a data set in a temporary folder (which
// hold one record already) inside a transaction that is then rolled back; then once more with the
// processing cancelled part way. A refusal naming the file and its line is expected; anything
// else (a crash, a sanitizer report, another exception, a broken invariant) is a finding.
#include "entry/session/download_processor.h"
#include "lists/records/record_tables.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/engine/store_error.h"

#include "fuzz_tables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

using namespace vn;

using fuzz::expect;

const QList<int> kRecordSlots = {kHeadSlot, kPag1Slot, kPag2Slot, kPag3Slot, kPag4Slot, kPag5Slot, kPag6Slot};

// A data set in a temporary folder: the record tables, with one record that a download keeps.
struct DataSet : fuzz::FolderDataSet {
    DataSet() : FolderDataSet(kRecordSlots) {
        access.EnsureRecord(kPag1Slot, QStringLiteral("abcwyalb000000000"));
        access.SetFieldText(kPag1Slot, 1, QStringLiteral("kept"));
        layouts = std::make_unique<BackupLayouts>(access.database(kHeadSlot));
    }
    std::unique_ptr<BackupLayouts> layouts;
};

DataSet& dataSet() {
    static auto* d = new DataSet;
    return *d;
}

qint64 rows(DataSet& d) {
    qint64 n = 0;
    for (int slot : kRecordSlots) n += d.access.RecordCount(slot);
    return n;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    expect(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the download file is written");
}

// Processes the file; a refusal must name the file and the line, and leave the tables as they were.
void process(DataSet& d, const QString& path, qint64 stopAt) {
    const qint64 before = rows(d);
    Transaction transaction(d.access.database(kHeadSlot));
    try {
        const DownloadResult r = ProcessDownload(d.access, d.base.path(), "wy", "alb", [stopAt](qint64 done, qint64 total) {
            expect(done >= 1 && done <= total, "the gauge runs from the first line to the last");
            return done < stopAt;
        });
        expect(r.fileFound, "the file is found");
        if (r.cancelled) {
            expect(rows(d) == before, "a cancelled processing writes nothing");
            expect(QFile::exists(path), "a cancelled processing keeps the file");
            return;
        }
        expect(!QFile::exists(path), "a processed file is deleted");
        expect(rows(d) == before + r.created, "every row made is counted once");
        expect(r.created >= 0 && r.kept >= 0 && r.memos >= 0 && r.skippedLines >= 0, "counts are counts");
        fuzz::expectRowsFit(d.access.database(kHeadSlot), *d.layouts, kRecordSlots);
    } catch (const StoreError& e) {
        if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS")) std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        expect(e.message().startsWith(path + QStringLiteral(", line ")), "a refusal names the file and the line");
        expect(rows(d) == before, "a refused file writes nothing");
    }
    // The transaction rolls back: the next input meets the same tables.
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DataSet& d = dataSet();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = downloadFilePath(d.base.path(), "wy", "alb");
    writeFile(path, bytes);
    process(d, path, std::numeric_limits<qint64>::max());
    writeFile(path, bytes);
    process(d, path, qint64(size % 5) + 1);
    QFile::remove(path);
    return 0;
}
