#include "requests/report/report_records.h"

#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"
#include "requests/evaluation/prepared_request.h"
#include "requests/report/formatted_value.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

#include <array>

namespace vn {

namespace {

constexpr int kTitleColumn = 1, kFirstColumn = 2, kLastColumn = 4, kZipColumn = 15;
constexpr int kFirstSourceKeyColumn = 17;  // + source number: the record's key in that source

// Where a print field's value comes from, worked out once.
struct FieldSource {
    FieldRef field;
    const FieldDefinition* definition = nullptr;
    ValueSource source;
};

FieldSource fieldSource(const FieldRef& field, const DefinitionCache& definitions) {
    const FieldDefinition* definition =
        field.page > 0 ? definitionAtColumn(definitions, field.page, field.fieldNumber - 1) : nullptr;
    return {field, definition, valueSourceOf(field, definition)};
}

// Reads the fields of one record after another; page rows are looked up once a record, and a
// record without a page row reads that page empty, never another record's row.
class RowReader {
public:
    RowReader(RecordAccess& access, const LinkedFieldReader& linked) : m_access(access), m_linked(linked) {}

    bool start(const QString& key) {
        m_key = key;
        m_rows.fill(Row::Unknown);
        return m_access.FindRecord(kHeadSlot, key);
    }

    QString head(int column) { return m_access.GetFieldText(kHeadSlot, column); }

    QString stored(const FieldRef& field) {
        const int column = field.fieldNumber - 1;
        if (field.page == 0) return head(column);
        return hasRow(field.page) ? m_access.GetFieldText(pageSlot(field.page), column) : QString();
    }

    QString value(const FieldSource& f) {
        if (f.source.linkSource > 0 && m_linked) {
            const QString sourceKey = head(kFirstSourceKeyColumn + f.source.linkSource);
            if (auto linked = m_linked(f.source.linkSource, f.source.linkField, sourceKey)) return *linked;
        }
        return stored(f.field);
    }

private:
    enum class Row { Unknown, Found, Missing };

    bool hasRow(int page) {
        if (m_rows[page] == Row::Unknown)
            m_rows[page] = m_access.FindRecord(pageSlot(page), m_key) ? Row::Found : Row::Missing;
        return m_rows[page] == Row::Found;
    }

    RecordAccess& m_access;
    const LinkedFieldReader& m_linked;
    QString m_key;
    std::array<Row, kPageCount + 1> m_rows{};
};

QList<int> sortWidths(const QList<SortField>& sortFields) {
    QList<int> widths;
    for (const SortField& s : sortFields) widths << s.width;
    return widths;
}

}  // namespace

QList<ReportRecord> readReportRecords(RecordAccess& access, const DefinitionCache& definitions,
                                      const SqlRequest& request, LabelSort labelSort,
                                      const LinkedFieldReader& linked) {
    std::vector<FieldSource> printSources;
    for (const PrintField& p : request.printFields) printSources.push_back(fieldSource(p.field, definitions));
    const QList<int> widths = sortWidths(request.sortFields);

    RowReader reader(access, linked);
    std::vector<OrderedRecord> order;
    QList<ReportRecord> read;
    for (const QString& key : request.matches) {
        if (!reader.start(key)) continue;
        QStringList sortTexts;
        for (const SortField& s : request.sortFields) sortTexts << reader.stored(s.field);
        const QString label = labelSortText(labelSort, reader.head(kTitleColumn), reader.head(kFirstColumn),
                                            reader.head(kLastColumn), reader.head(kZipColumn));
        order.push_back({key, label, reportSortText(sortTexts, widths), read.size()});
        QStringList values;
        for (const FieldSource& f : printSources) values << formatValue(f.field, reader.value(f), f.definition);
        read.append({key, std::move(values)});
    }
    QList<ReportRecord> records;
    records.reserve(read.size());
    for (const OrderedRecord& r : orderRecords(std::move(order))) records.append(std::move(read[r.index]));
    return records;
}

QStringList reportLegend(const QList<PrintField>& fields, const DefinitionCache& definitions) {
    QStringList legend;
    for (const PrintField& p : fields) {
        if (p.kind != PrintField::Kind::GridCell) continue;
        const int cell = p.field.fieldNumber - field_numbers::kFirstGridCell;  // 0-based
        const int row = cell / ColumnMap::kTableColumns, column = cell % ColumnMap::kTableColumns + 1;
        const TableConstruction& grid = definitions.tableConstruction(p.field.page);
        legend << p.caption + QStringLiteral("  >>>  ") + grid.name + QStringLiteral(" / ") +
                      grid.columns[column].title + QStringLiteral(" / ") + grid.rowNames.at(row);
    }
    return legend;
}

ReportDocument buildReport(RecordAccess& access, const DefinitionCache& definitions, const SqlRequest& request,
                           LabelSort labelSort, ReportSumming summing, QDate date, const LinkedFieldReader& linked) {
    return {request.displayText, date, request.printFields,
            readReportRecords(access, definitions, request, labelSort, linked),
            reportLegend(request.printFields, definitions), std::move(summing)};
}

}  // namespace vn
