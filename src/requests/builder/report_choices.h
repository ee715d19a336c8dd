#pragma once

#include "requests/builder/field_list.h"
#include "requests/request.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace vn {

// The report's two selections after the evaluation: the print fields, then the sort fields.
enum class ReportStage { PrintFields, SortFields };

// What the print-field and sort views show.
struct ReportChoicesState {
    ReportStage stage = ReportStage::PrintFields;
    QList<int> pageButtons;  // the header, then the pages in use
    int shownPage = kHeaderPage;
    PageFields fields;  // of the page shown
    QList<std::pair<FieldRef, int>> orderNumbers;  // the page's ticked fields and their order numbers
    bool continueEnabled = false;  // "Continue (select sort order)"
    bool processEnabled = false;   // "Process My Request!"
    bool outputShown = false;      // "Output to..."
    QString hint;
};

// The print fields and sort fields of a report, clicked together on the field list. Without a
// window: the views forward their clicks and draw state().
class ReportChoices {
public:
    // The width in characters of a listed field; column is the grid column of a cell, else 0.
    using FieldWidth = std::function<int(const FieldChoice& field, int column)>;

    // The print-field view of the header, nothing chosen.
    void start(ListFields fields, FieldWidth width);
    void showPage(int page);
    // Ticks the field, appended last, or unticks it: the later ones move up one place.
    void clickField(const FieldRef& field);
    void clearPrintFields();  // also shows the header
    void continueToSort();
    void clearSortFields();
    void processRequest();  // offers "Output to..."
    void reSelect();        // the output choice is cleared

    ReportChoicesState state() const;
    const QList<PrintField>& printFields() const { return m_print; }
    const QList<SortField>& sortFields() const { return m_sort; }

private:
    std::optional<PrintField> described(const FieldRef& field) const;

    ListFields m_fields;
    FieldWidth m_width;
    ReportStage m_stage = ReportStage::PrintFields;
    int m_page = kHeaderPage;
    bool m_output = false;
    QList<PrintField> m_print;
    QList<SortField> m_sort;
};

}  // namespace vn
