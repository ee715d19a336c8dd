#include "requests/memo/memo_layout.h"

namespace vn {

namespace {

constexpr int kLastLine = 53;
constexpr int kFooterLine = 59;
constexpr int kFooterColumn = 27;
constexpr int kRuleEndColumn = 120;
constexpr double kRuleWidth = 1.5, kThinWidth = 0.5;

PrintFont arial(double size, bool bold) {
    PrintFont font;
    font.family = QStringLiteral("Arial");
    font.pointSize = size;
    font.bold = bold;
    return font;
}

QPointF at(int column, int line) { return {5.0 * column + 5.0, 14.0 * line}; }

// Keeps the current line and page while memos are drawn.
class MemoPages {
public:
    MemoPages(PageSink& sink, QString listCode) : m_sink(sink), m_listCode(std::move(listCode)) { header(); }

    void memo(const PrintedMemo& memo) {
        advance();
        m_sink.setFont(arial(10, true));
        m_sink.text(at(0, m_line), memo.key);
        m_sink.text(at(25, m_line), QString::number(memo.page));
        m_sink.text(at(35, m_line), memo.memoName);
        if (memo.documentName) m_sink.text(at(55, m_line), *memo.documentName);
        advance();
        rule();
        m_sink.setFont(arial(10, false));
        for (const QString& line : memo.lines)
            for (const QString& printed : wrapMemoLine(line)) {
                advance();
                m_sink.text(at(0, m_line), printed);
            }
        advance();
        rule();
    }

    void footer() {
        m_sink.setFont(arial(8, true));
        m_sink.text(at(kFooterColumn, kFooterLine), kMemoFooter);
    }

private:
    void header() {
        m_sink.setFont(arial(12, true));
        m_sink.text(at(0, 0), QStringLiteral("Varnedo [") + m_listCode + QStringLiteral("] Memo Printings..."));
        m_sink.text(at(90, 0), QStringLiteral("Page ") + QString::number(m_pageNumber));
        m_sink.text(at(0, 2), QStringLiteral("Record Key"));
        m_sink.text(at(20, 2), QStringLiteral("Form Page"));
        m_sink.text(at(35, 2), QStringLiteral("Memo Name"));
        m_sink.text(at(55, 2), QStringLiteral("Client Name"));
        m_sink.setFont(arial(10, false));
        m_line = m_pageNumber == 1 ? 3 : 4;
    }

    // A line past the page's last starts the next page, whose header sets the line.
    void advance() {
        if (++m_line <= kLastLine) return;
        m_sink.newPage();
        ++m_pageNumber;
        header();
    }

    void rule() {
        m_sink.setPen({0xFF000000, kRuleWidth});
        m_sink.line(at(0, m_line), at(kRuleEndColumn, m_line));
        m_sink.setPen({0xFF000000, kThinWidth});
    }

    PageSink& m_sink;
    QString m_listCode;
    int m_pageNumber = 1;
    int m_line = 0;
};

}  // namespace

QStringList wrapMemoLine(const QString& line, int columns) {
    QStringList printed;
    QString rest = line;
    while (rest.size() > columns) {
        const qsizetype space = rest.lastIndexOf(u' ', columns);
        const qsizetype cut = space > 0 ? space : columns;  // a leading space cannot be the break
        printed << rest.left(cut);
        rest = rest.mid(space > 0 ? cut + 1 : cut);
    }
    printed << rest;
    return printed;
}

void layoutMemos(PageSink& sink, const MemoPrintout& printout) {
    MemoPages pages(sink, printout.listCode);
    for (const PrintedMemo& memo : printout.memos) pages.memo(memo);
    pages.footer();
}

}  // namespace vn
