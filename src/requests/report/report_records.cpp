#include "requests/report/report_records.h"

#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"
#include "store/access/key_follower.h"
#include "requests/evaluation/prepared_request.h"
#include "store/text/text_order.h"
#include "requests/report/formatted_value.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/table.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

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

// Reads the fields of records that come in key order, each table followed like a walk; a record
// without a page row reads that page empty, never another record's row.
class RowReader {
public:
    RowReader(RecordAccess& access, const LinkedFieldReader& linked)
        : m_access(access), m_linked(linked), m_head(access.catalogue().table(kHeadSlot)) {}

    bool start(const QString& key) {
        m_key = key;
        m_rows.fill(Row::Unknown);
        m_read.clear();
        return m_head.find(key);
    }

    // A field may serve the label order, a sort field and a print field: each is read once a record.
    QString stored(const FieldRef& field) {
        for (const auto& [ref, text] : m_read)
            if (ref == field) return text;
        QString text = read(field);
        m_read.emplace_back(field, text);
        return text;
    }

    QString head(int column) { return stored({0, column + 1}); }

    QString value(const FieldSource& f) {
        if (f.source.linkSource > 0 && m_linked) {
            const QString sourceKey = head(kFirstSourceKeyColumn + f.source.linkSource);
            if (auto linked = m_linked(f.source.linkSource, f.source.linkField, sourceKey)) return *linked;
        }
        return stored(f.field);
    }

private:
    enum class Row { Unknown, Found, Missing };

    Table& table(int slot) { return m_access.catalogue().table(slot); }

    QString read(const FieldRef& field) {
        const int column = field.fieldNumber - 1;
        if (field.page == 0) return table(kHeadSlot).text(column);
        return hasRow(field.page) ? table(pageSlot(field.page)).text(column) : QString();
    }

    bool hasRow(int page) {
        if (m_rows[page] == Row::Unknown) {
            if (!m_pages[page]) m_pages[page].emplace(table(pageSlot(page)));
            m_rows[page] = m_pages[page]->find(m_key) ? Row::Found : Row::Missing;
        }
        return m_rows[page] == Row::Found;
    }

    RecordAccess& m_access;
    const LinkedFieldReader& m_linked;
    KeyFollower m_head;
    QString m_key;
    std::array<std::optional<KeyFollower>, kPageCount + 1> m_pages;
    std::array<Row, kPageCount + 1> m_rows{};
    std::vector<std::pair<FieldRef, QString>> m_read;  // this record's fields read so far
};

// The match positions in key order (byte order, as the tables keep it), so the tables are read
// front to back.
std::vector<qsizetype> keyOrder(const MatchList& matches) {
    const auto before = [](const QString& a, const QString& b) { return compareCodePoints(a, b) < 0; };
    if (std::is_sorted(matches.begin(), matches.end(), before)) {  // as the evaluation hands them out
        std::vector<qsizetype> positions(matches.size());
        std::iota(positions.begin(), positions.end(), 0);
        return positions;
    }
    std::vector<std::pair<QByteArray, qsizetype>> keyed;
    keyed.reserve(matches.size());
    for (qsizetype i = 0; i < matches.size(); ++i) keyed.emplace_back(matches[i].toUtf8(), i);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<qsizetype> positions;
    positions.reserve(keyed.size());
    for (const auto& k : keyed) positions.push_back(k.second);
    return positions;
}

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
    std::vector<std::optional<OrderedRecord>> found(request.matches.size());
    QList<ReportRecord> read;
    for (qsizetype position : keyOrder(request.matches)) {
        const QString& key = request.matches[position];
        if (!reader.start(key)) continue;
        QStringList sortTexts;
        sortTexts.reserve(request.sortFields.size());
        for (const SortField& s : request.sortFields) sortTexts << reader.stored(s.field);
        const QString label = labelSortText(labelSort, reader.head(kTitleColumn), reader.head(kFirstColumn),
                                            reader.head(kLastColumn), reader.head(kZipColumn));
        found[position] = OrderedRecord{key, label, reportSortText(sortTexts, widths), read.size()};
        QStringList values;
        values.reserve(qsizetype(printSources.size()));
        for (const FieldSource& f : printSources) values << formatValue(f.field, reader.value(f), f.definition);
        read.append({key, std::move(values)});
    }
    std::vector<OrderedRecord> order;  // in match order, as the sort takes them
    for (auto& f : found)
        if (f) order.push_back(std::move(*f));
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
