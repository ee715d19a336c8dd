#pragma once

#include "platform/printing/page_sink.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vn {

// One memo as printed.
struct PrintedMemo {
    QString key;
    int page = 0;
    QString memoName;
    std::optional<QString> documentName;  // "Last, M First"; none when the record is gone
    QStringList lines;                    // the memo's lines as stored
};

struct MemoPrintout {
    QString listCode;
    QList<PrintedMemo> memos;
};

// The longest printed memo line; longer lines continue on the next line.
inline constexpr int kMemoLineColumns = 118;

// A memo line cut into printed lines of at most `columns` characters, after the last space that
// fits where there is one, otherwise hard.
QStringList wrapMemoLine(const QString& line, int columns = kMemoLineColumns);

// The memos on A4 in points: columns of 5 points, lines of 14, 53 lines a page, a header on
// every page and a footer on the last.
void layoutMemos(PageSink& sink, const MemoPrintout& printout);

inline const QString kMemoFooter = QStringLiteral("Varnedo Memo Printing - end of the printout");

}  // namespace vn
