#include "requests/report/report_summing.h"

#include "lists/definitions/definition_cache.h"
#include "requests/evaluation/prepared_request.h"
#include "store/text/case_conversion.h"

namespace vn {

bool isNumericField(const PrintField& field, const DefinitionCache& definitions) {
    const FieldRef& f = field.field;
    if (f.page < 1 || f.fieldNumber < field_numbers::kFirstText || f.fieldNumber > field_numbers::kLastText) return false;
    const FieldDefinition* d = definitionAtColumn(definitions, f.page, f.fieldNumber - 1);
    return d && d->kind == FieldKind::Text && d->characterType == CharacterType::Digits;
}

QList<SumColumn> sumColumnsFor(const QList<PrintField>& fields, const DefinitionCache& definitions) {
    QList<SumColumn> columns;
    for (const PrintField& p : fields) {
        if (!isNumericField(p, definitions)) continue;
        SumColumn column;
        column.field = p.field;
        column.caption = p.caption;
        columns.append(column);
    }
    return columns;
}

SumsRun::SumsRun(const QList<PrintField>& fields, ReportSumming summing)
    : m_fields(fields), m_summing(std::move(summing)), m_previous(fields.size()), m_columnsOf(fields.size()) {
    for (qsizetype i = 0; i < fields.size(); ++i)
        for (qsizetype c = 0; c < m_summing.columns.size(); ++c)
            if (m_summing.columns[c].field == fields[i].field) m_columnsOf[i].push_back(c);
}

bool SumsRun::breaks(const QStringList& values) {
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (!m_summing.breakFields.contains(m_fields[i].field)) continue;
        if (!m_previous[i]) {
            m_previous[i] = values.value(i);
            continue;
        }
        if (UpperCaseText(*m_previous[i]) != UpperCaseText(values.value(i))) return true;
    }
    return false;
}

QList<SumCell> SumsRun::subtotals() {
    QList<SumCell> cells;
    const bool sumsOnly = m_summing.mode == SummingMode::SumsOnly;
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        for (qsizetype c : m_columnsOf[i]) {
            SumColumn& column = m_summing.columns[c];
            cells.append({i, column.subtotal.toString()});
            add(column.grandTotal, column.subtotal);
            column.subtotal = {};
        }
        if (sumsOnly && m_summing.breakFields.contains(m_fields[i].field))
            cells.append({i, m_previous[i].value_or(QString())});
    }
    return cells;
}

QList<SumCell> SumsRun::subtotalRow(const QStringList& values) {
    QList<SumCell> cells = subtotals();
    for (qsizetype i = 0; i < m_fields.size(); ++i) m_previous[i] = values.value(i);
    return cells;
}

QList<SumCell> SumsRun::finalSubtotalRow() { return subtotals(); }

void SumsRun::accumulate(const QStringList& values) {
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        for (qsizetype c : m_columnsOf[i]) {
            SumColumn& column = m_summing.columns[c];
            if (!column.totals) continue;
            const QString value = values.value(i);
            if (value.trimmed().isEmpty()) continue;
            if (const auto number = FixedPoint4::parse(value)) add(column.subtotal, *number);
            else ++m_skipped;
        }
    }
}

QList<SumCell> SumsRun::grandTotals() {
    QList<SumCell> cells;
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        for (qsizetype c : m_columnsOf[i]) {
            SumColumn& column = m_summing.columns[c];
            if (column.totals) cells.append({i, column.grandTotal.toString()});
            column.subtotal = column.grandTotal = {};
        }
    }
    return cells;
}

// A sum beyond FixedPoint4's range keeps its value; the addend counts as skipped.
void SumsRun::add(FixedPoint4& sum, FixedPoint4 value) {
    try {
        sum += value;
    } catch (const FixedPointError&) {
        ++m_skipped;
    }
}

}  // namespace vn
