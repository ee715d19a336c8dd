#pragma once

#include "requests/builder/field_list.h"
#include "requests/report/report_summing.h"
#include "requests/request.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace vn {

// The report's selections after the evaluation: the print fields, then the sort fields, and,
// from there, the sums of the printed report.
enum class ReportStage { PrintFields, SortFields, Summing };

// What the print-field and sort views show.
struct ReportChoicesState {
    ReportStage stage = ReportStage::PrintFields;
    QList<int> pageButtons;  // the header, then the pages in use
    int shownPage = kHeaderPage;
    PageFields fields;  // of the page shown
    QList<std::pair<FieldRef, int>> orderNumbers;  // the page's ticked fields and their order numbers
    bool continueEnabled = false;  // "Continue (select sort order)"
    bool processEnabled = false;   // "Process My Request!"
    bool summingEnabled = false;   // "Summing Operations": a numeric print field
    bool outputShown = false;      // "Output to..."
    bool addToQueueShown = false;  // after an output
    bool mailMerge = false;        // no sums, no printer, no "Output to...": the file is written at once
    bool wordProcessorEnabled = false;  // "Open Word Processor": the merge file was written
    QString hint;

    // The summing view.
    QList<SumColumn> sumColumns;
    SummingMode summingMode = SummingMode::None;
    QList<PrintField> availableBreaks;  // in print order
    QList<PrintField> selectedBreaks;   // in the order chosen
    bool summingProcessEnabled = false;  // a mode was chosen
};

// The print fields and sort fields of a report, clicked together on the field list. Without a
// window: the views forward their clicks and draw state().
class ReportChoices {
public:
    // The width in characters of a listed field; column is the grid column of a cell, else 0.
    using FieldWidth = std::function<int(const FieldChoice& field, int column)>;

    // The sum columns of the numeric print fields.
    using SumColumns = std::function<QList<SumColumn>(const QList<PrintField>& printFields)>;

    // The print-field view of the header, nothing chosen.
    void start(ListFields fields, FieldWidth width, SumColumns sumColumns = {});
    // The same for a mail merge: no grid cells among the fields.
    void startMailMerge(ListFields fields, FieldWidth width);
    // A stored request's fields, given their captions and widths as when they were chosen, and
    // the sort view with "Output to..." for a report; nothing is offered for the queue.
    void replay(const QList<PrintField>& print, const QList<SortField>& sort);
    void showPage(int page);
    // Ticks the field, appended last, or unticks it: the later ones move up one place.
    void clickField(const FieldRef& field);
    void clearPrintFields();  // also shows the header
    void continueToSort();
    void clearSortFields();
    // Offers "Output to..." for a report; true when a mail merge is to write its file now.
    bool processRequest();
    void reSelect();        // the output choice is cleared
    void outputDone();      // the report went to the screen, a printer or its file
    void mergeWritten(bool withRecords);  // the merge file was written, with records or empty

    // "Summing Operations": a column per numeric print field, none totalled, no break field.
    void openSumming();
    void tickTotals(qsizetype column);
    void setAllTotals(bool on);
    void chooseSummingMode(SummingMode mode);
    void selectBreak(const FieldRef& field);
    void unselectBreak(const FieldRef& field);
    // "Process My Request": the sums are kept and "Output to..." is offered in the sort view.
    void processSumming();
    // What the printed report sums: nothing until the summing view was processed.
    ReportSumming summing() const;

    ReportChoicesState state() const;
    const QList<PrintField>& printFields() const { return m_print; }
    const QList<SortField>& sortFields() const { return m_sort; }

private:
    std::optional<PrintField> described(const FieldRef& field) const;

    ListFields m_fields;
    FieldWidth m_width;
    SumColumns m_sumColumns;
    ReportStage m_stage = ReportStage::PrintFields;
    int m_page = kHeaderPage;
    bool m_mailMerge = false;
    bool m_output = false;
    bool m_outputDone = false;
    bool m_mergeWritten = false;
    bool m_replayed = false;
    QList<PrintField> m_print;
    QList<SortField> m_sort;
    ReportSumming m_summing;
    ReportSumming m_chosen;  // as the summing view stands
    QList<FieldRef> m_selected;
};

}  // namespace vn
