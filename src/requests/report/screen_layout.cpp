#include "requests/report/screen_layout.h"

#include "requests/report/report_columns.h"

namespace vn {

namespace {

constexpr double kLeft = 10;
constexpr int kPixelsPerCharacter = 5;
constexpr int kLinesPerPage = 80;
constexpr int kRequestLineLength = 80;
constexpr int kRuleLength = 76;

class ScreenViews {
public:
    ScreenViews(PageSink& sink, const ReportDocument& report)
        : m_sink(sink),
          m_report(report),
          m_columns(columnPositions(report.fields, kLeft, kViewWidth,
                                    [](int width) { return double(kPixelsPerCharacter * width); })) {}

    void show() {
        header();
        for (qsizetype r = 0; r < m_report.records.size(); ++r) {
            if (r > 0) newLine();
            const QStringList& values = m_report.records[r].values;
            for (qsizetype i = 0; i < m_report.fields.size(); ++i) {
                if (m_columns[i] == kLeft) newLine();
                put(m_columns[i], values.value(i));
            }
        }
        newLines(2);
        put(kLeft, QStringLiteral("Records Listed:  %1").arg(m_report.records.size()));
    }

private:
    void put(double x, const QString& text) { m_sink.text({x, double((m_line - 1) * kViewLineHeight)}, text); }

    // A line past the view's last ends the view; 80 lines of a report page start the next.
    void newLine() {
        ++m_pageLines;
        if (++m_line > kViewLines) {
            m_sink.newPage();
            m_line = 1;
        }
        if (!m_inHeader && m_pageLines >= kLinesPerPage) header();
    }

    void newLines(int count) {
        for (int i = 0; i < count; ++i) newLine();
    }

    void header() {
        m_inHeader = true;
        ++m_page;
        m_pageLines = 0;
        m_sink.setFont(printFont(9, true));
        put(kLeft, QStringLiteral("SQL Report for Records ") + QString(39, u' ') +
                       m_report.date.toString(QStringLiteral("M/d/yyyy")) + QStringLiteral("   Page %1").arg(m_page));
        newLines(2);
        m_sink.setFont(printFont(8));
        for (const QString& line : requestTextLines(m_report.displayText, kRequestLineLength)) {
            put(kLeft, line);
            newLines(2);
        }
        m_sink.setFont(printFont(7));
        for (qsizetype i = 0; i < m_report.fields.size(); ++i) {
            if (i > 0 && m_columns[i] == kLeft) newLine();
            put(m_columns[i], m_report.fields[i].caption);
        }
        newLines(2);
        m_sink.setFont(printFont(8));
        put(kLeft, QString(kRuleLength, u'_'));
        newLines(m_page > 1 ? 2 : 1);
        m_sink.setFont(printFont(7));
        m_inHeader = false;
    }

    PageSink& m_sink;
    const ReportDocument& m_report;
    QList<double> m_columns;
    int m_line = 1;
    int m_pageLines = 0;
    int m_page = 0;
    bool m_inHeader = false;
};

}  // namespace

void layoutScreenReport(PageSink& sink, const ReportDocument& report) { ScreenViews(sink, report).show(); }

ViewNavigation viewNavigation(int view, int count) {
    if (count <= 1) return {QStringLiteral("Only View"), false, QStringLiteral("Only View"), false};
    const auto of = [count](int n) { return QStringLiteral(" [%1 of %2]").arg(n).arg(count); };
    ViewNavigation n;
    n.priorEnabled = view > 1;
    n.prior = n.priorEnabled ? QStringLiteral("Prior View") + of(view - 1) : QStringLiteral("First View");
    n.nextEnabled = view < count;
    n.next = n.nextEnabled ? QStringLiteral("Next View") + of(view + 1) : QStringLiteral("Last View");
    return n;
}

}  // namespace vn
