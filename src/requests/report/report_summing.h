#pragma once

#include "requests/request.h"
#include "requests/stored/fixed_point4.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vn {

class DefinitionCache;

enum class SummingMode : int { None = 0, FullReport = 1, SumsOnly = 2 };

// A summed column. It names its print field, so unticking an earlier print field never moves
// the sum onto another column.
struct SumColumn {
    FieldRef field;
    QString caption;
    bool totals = false;  // its check box: accumulate and print a grand total
    FixedPoint4 subtotal;
    FixedPoint4 grandTotal;
};

struct ReportSumming {
    SummingMode mode = SummingMode::None;
    QList<SumColumn> columns;      // in print order
    QList<FieldRef> breakFields;   // print fields whose change prints a subtotal row
};

// Whether the print field is a page text field that accepts digits only.
bool isNumericField(const PrintField& field, const DefinitionCache& definitions);
// One column (totals unticked) for every numeric print field, in print order.
QList<SumColumn> sumColumnsFor(const QList<PrintField>& fields, const DefinitionCache& definitions);

// A text printed at a print field's column.
struct SumCell {
    qsizetype fieldIndex;
    QString text;
};

// The sums of one printing, record by record; what to print comes back as cells.
class SumsRun {
public:
    SumsRun(const QList<PrintField>& fields, ReportSumming summing);

    // Whether the record's values end a group: the first break field that had a value before
    // and now holds another (compared in upper case). Fields without one take the record's.
    bool breaks(const QStringList& values);
    // The subtotals (and, printing sums only, the ended group's break values); the subtotals move
    // into the grand totals. Then every field remembers the record's values.
    QList<SumCell> subtotalRow(const QStringList& values);
    QList<SumCell> finalSubtotalRow();
    void accumulate(const QStringList& values);
    QList<SumCell> grandTotals();

    // Values that were not numbers or would pass the range, counted 0.
    int skipped() const { return m_skipped; }

private:
    QList<SumCell> subtotals();
    void add(FixedPoint4& sum, FixedPoint4 value);

    QList<PrintField> m_fields;
    ReportSumming m_summing;
    std::vector<std::optional<QString>> m_previous;  // per print field: set once it has a value
    std::vector<std::vector<qsizetype>> m_columnsOf;  // per print field: its sum columns
    int m_skipped = 0;
};

}  // namespace vn
