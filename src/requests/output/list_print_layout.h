#pragma once

#include "platform/printing/page_sink.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vn {

// What "Print List" prints: the request and the entries of the List view.
struct PrintedList {
    QString displayText;
    QStringList entries;
    QDateTime printedAt;
    QString heading = QStringLiteral("Varnedo SQL List Results...");
    QString countText = QStringLiteral("List LBCount = %1");  // %1: the number of entries
};

// The list on pages of 80 lines and 80 columns: a header on every page, one entry a line from
// line 4, then the number of entries on line 78 and a notice on line 79 of the last page. The
// count never shares a line with an entry: when the entries reach line 78 it goes on a page of
// its own.
void layoutPrintedList(PageSink& sink, const PrintedList& list);

}  // namespace vn
