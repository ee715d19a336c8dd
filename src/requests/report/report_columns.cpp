#include "requests/report/report_columns.h"

#include "requests/stored/request_rows.h"

namespace vn {

namespace {

constexpr int kPrefixLength = 22;

}  // namespace

QList<double> columnPositions(const QList<PrintField>& fields, double left, double lineEnd,
                              const std::function<double(int width)>& extent) {
    QList<double> xs;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        double x = i == 0 ? left : xs.last() + extent(fields[i - 1].width);
        if (i > 0 && x + extent(fields[i].width) > lineEnd) x = left;
        xs << x;
    }
    return xs;
}

QStringList requestTextLines(const QString& displayText, int lineLength) {
    QStringList lines;
    for (const QString& part : splitDisplayText(displayText.mid(kPrefixLength), lineLength))
        if (!part.isEmpty()) lines << part;
    return lines;
}

}  // namespace vn
