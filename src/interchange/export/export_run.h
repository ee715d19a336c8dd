#pragma once

#include "exchange/codec/work_progress.h"
#include "interchange/export/export_values.h"
#include "interchange/text/cut_settings.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace vn {

class RecordAccess;

enum class ExportFormat { Text, Csv, Xlsx };

// What an export writes and where.
struct ExportPlan {
    QString listCode;
    QList<OrderEntry> order;
    SelectionOutput selection = SelectionOutput::Text;
    ExportFormat format = ExportFormat::Text;
    CutSettings line;                                  // Text: the method and its settings
    TextCharset charset = TextCharset::Windows1252;    // Text
    bool byteOrderMark = true;                         // Csv: "UTF-8 BOM"
    bool guardFormulas = true;                         // Csv: "Guard Formulas"
    QString path;
};

// What an export did, for its closing message.
struct ExportSummary {
    int records = 0;
    int replacedCharacters = 0;  // Windows-1252 lacks them: written as "?"
    int valuesWithSeparators = 0;  // Text: values holding the delimiter, separator or a tab
    int joinedLineBreaks = 0;    // Text: values whose line breaks became spaces
    int cutCells = 0;            // Xlsx: values beyond 32,767 characters
    int guardedFormulas = 0;     // Csv

    // "The export text file [<path>] has  been successfully built." and a sentence per count.
    QString message(const QString& path) const;
};

// The keys of the list's records: Head keys whose first three characters equal the code in any
// case, in key order, taken at once so no walk stays open.
QStringList listRecordKeys(RecordAccess& access, const QString& listCode);

// "Automatically": every record of the list (Head keys whose first three characters equal the
// code, any case) in key order, written beside the old file and renamed over it when complete: on
// a write failure or Cancel the file that was there stays. Failures are told through failure;
// a store error is thrown (StoreError), the old file kept likewise. Csv and Xlsx begin with a row
// of the order's captions.
WorkEnd exportList(RecordAccess& access, const ExportPlan& plan, const WorkProgress& progress,
                   ExportSummary& summary, QString& failure);

// "Line by Line" for the text file: the list's keys taken at the start, one record offered at a
// time; the accepted lines reach the file when the run finishes (at the end or on Return).
class LineByLineExport {
public:
    LineByLineExport(RecordAccess& access, ExportPlan plan);
    ~LineByLineExport();  // a run not finished leaves the old file as it was

    // Creates the file (through QSaveFile) and offers the first record; false with failure set
    // when it cannot be created.
    bool open(QString& failure);
    bool atEnd() const;
    QString currentLine() const;  // the offered record's line
    void accept();                // writes it, offers the next
    void skip();                  // offers the next
    // Writes the accepted lines; false with failure set when the file cannot be written.
    bool finish(ExportSummary& summary, QString& failure);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace vn
