#include "requests/report/report_print_layout.h"

#include "platform/printing/print_rule.h"
#include "requests/report/report_columns.h"

#include <algorithm>
#include <cmath>

namespace vn {

namespace {

constexpr int kPortraitLines = 80, kLandscapeLines = 60;
constexpr double kDotsOnShortSide = 8 * 600;  // 8 inches of printable width, 600 dots an inch
constexpr double kLeftMargin = 200;            // dots
constexpr int kRequestLineLength = 110;
constexpr int kWidthDivisor = 120;
constexpr int kRuleColumns = 80;
constexpr int kFirst = 3, kMiddle = 4, kLast = 5;  // header field numbers printed in bold

bool printedBold(const PrintField& field) {
    const int n = field.field.fieldNumber;
    return field.field.page == 0 && (n == kFirst || n == kMiddle || n == kLast);
}

class ReportPages {
public:
    ReportPages(PageSink& sink, const ReportDocument& report)
        : m_sink(sink),
          m_report(report),
          m_lines(sink.landscape() ? kLandscapeLines : kPortraitLines),
          m_lineHeight(sink.pageSize().height() / m_lines),
          m_left(kLeftMargin * std::min(sink.pageSize().width(), sink.pageSize().height()) / kDotsOnShortSide),
          m_columns(columnPositions(report.fields, m_left, sink.pageSize().width(), [&](int width) {
              return std::trunc(double(width) / kWidthDivisor * sink.pageSize().width());
          })),
          m_sums(report.fields, report.summing) {}

    int print() {
        header();
        const bool summing = m_report.summing.mode != SummingMode::None;
        for (const ReportRecord& record : m_report.records) {
            if (summing && m_sums.breaks(record.values)) sumRow(m_sums.subtotalRow(record.values));
            if (m_report.summing.mode != SummingMode::SumsOnly) recordLine(record.values);
            if (summing) m_sums.accumulate(record.values);
        }
        step(1);
        if (summing) totals();
        step(2);
        put(m_left, QStringLiteral("Records Listed:  %1").arg(m_report.records.size()));
        legend();
        return m_sums.skipped();
    }

private:
    double y() const { return m_line * m_lineHeight; }
    void put(double x, const QString& text) { m_sink.text({x, y()}, text); }

    void setFont(const PrintFont& f) {
        if (f == m_font) return;
        m_font = f;
        m_sink.setFont(f);
    }

    // A rule of underscores across the page; it sets a font of its own.
    void rule() {
        PrintRule(m_sink, 0, kRuleColumns - 1, y());
        m_font = {};
        setFont(printFont(8));
    }

    // A step that reaches the page's line count starts the next page.
    void step(int lines) {
        m_line += lines;
        if (m_line < m_lines) return;
        m_sink.newPage();
        header();
    }

    void header() {
        ++m_page;
        m_line = 0;
        setFont(printFont(14, true));
        put(m_left, QStringLiteral("Varnedo SQL Report for Records ") + QString(46, u' ') +
                        m_report.date.toString(QStringLiteral("M/d/yyyy")) + QStringLiteral("   Page %1").arg(m_page));
        m_line += 2;
        setFont(printFont(10));
        for (const QString& line : requestTextLines(m_report.displayText, kRequestLineLength)) {
            put(m_left, line);
            ++m_line;
        }
        setFont(printFont(8));
        for (qsizetype i = 0; i < m_report.fields.size(); ++i) {
            if (i > 0 && m_columns[i] == m_left) ++m_line;
            put(m_columns[i], m_report.fields[i].caption);
        }
        ++m_line;
        rule();
        m_line += m_page > 1 ? 2 : 1;
    }

    void recordLine(const QStringList& values) {
        for (qsizetype i = 0; i < m_report.fields.size(); ++i) {
            if (m_columns[i] == m_left) step(1);
            setFont(printFont(8, printedBold(m_report.fields[i])));
            put(m_columns[i], values.value(i));
        }
    }

    void cells(const QList<SumCell>& row) {
        setFont(printFont(8));
        for (const SumCell& cell : row) put(m_columns[cell.fieldIndex], cell.text);
    }

    void sumRow(const QList<SumCell>& row) {
        step(1);
        rule();
        step(2);
        cells(row);
        step(1);
    }

    void totals() {
        step(1);
        rule();
        step(2);
        cells(m_sums.finalSubtotalRow());
        step(2);
        rule();
        step(2);
        cells(m_sums.grandTotals());
    }

    void legend() {
        if (m_report.legend.isEmpty()) return;
        step(2);
        put(m_left, QStringLiteral("Table / Column / Row Names Legend:"));
        step(2);
        for (const QString& line : m_report.legend) {
            put(m_left, line);
            step(1);
        }
    }

    PageSink& m_sink;
    const ReportDocument& m_report;
    int m_lines;
    double m_lineHeight;
    double m_left;
    QList<double> m_columns;
    SumsRun m_sums;
    PrintFont m_font;
    int m_page = 0;
    int m_line = 0;
};

}  // namespace

int layoutReport(PageSink& sink, const ReportDocument& report) { return ReportPages(sink, report).print(); }

}  // namespace vn
