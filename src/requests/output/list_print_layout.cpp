#include "requests/output/list_print_layout.h"

#include "store/settings/table_date_time.h"

namespace vn {

namespace {

constexpr int kLinesPerPage = 80;
constexpr int kColumnsPerPage = 80;
constexpr int kFirstEntryLine = 4;
constexpr int kLastLine = kLinesPerPage - 1;
constexpr int kCountLine = 78;
constexpr int kFooterColumn = 30;

const QString kFooter = QStringLiteral("Confidential: this list holds personal information. Keep it safe and destroy it when no longer needed.");

// Writes the list line by line, starting pages as they fill.
class ListPages {
public:
    ListPages(PageSink& sink, const PrintedList& list)
        : m_sink(sink), m_list(list), m_lineHeight(sink.pageSize().height() / kLinesPerPage),
          m_columnWidth(sink.pageSize().width() / kColumnsPerPage) {}

    void entries() {
        startPage();
        for (const QString& entry : m_list.entries) {
            if (m_line > kLastLine) nextPage();
            put(0, m_line++, entry);
        }
    }

    void count() {
        if (m_line > kCountLine) nextPage();
        put(0, kCountLine, m_list.countText.arg(m_list.entries.size()));
        m_sink.setFont(printFont(6));
        put(kFooterColumn, kLastLine, kFooter);
    }

private:
    void nextPage() {
        m_sink.newPage();
        startPage();
    }

    void startPage() {
        ++m_page;
        m_sink.setFont(printFont(12, true));
        put(0, 0, m_list.heading);
        put(50, 0, formatTableDateTime(m_list.printedAt) + QStringLiteral("   Page %1").arg(m_page));
        m_sink.setFont(printFont(10));
        put(0, 2, m_list.displayText);
        m_line = kFirstEntryLine;
    }

    void put(int column, int line, const QString& text) {
        m_sink.text({(column + 2) * m_columnWidth, line * m_lineHeight}, text);
    }

    PageSink& m_sink;
    const PrintedList& m_list;
    double m_lineHeight;
    double m_columnWidth;
    int m_page = 0;
    int m_line = 0;
};

}  // namespace

void layoutPrintedList(PageSink& sink, const PrintedList& list) {
    ListPages pages(sink, list);
    pages.entries();
    pages.count();
}

}  // namespace vn
