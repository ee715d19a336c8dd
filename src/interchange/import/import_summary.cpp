#include "interchange/import/import_run.h"

namespace vn {

namespace {

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

}  // namespace

void noteFirst(int& count, int& first, int added, int where) {
    if (added <= 0) return;
    if (count == 0) first = where;
    count += added;
}

void ImportSummary::addRecord(const QString& key, int cut, int where) {
    noteFirst(cutValues, firstCutLine, cut, where);
    keys.append(key);
    ++imported;
}

QString ImportSummary::message() const {
    const auto firstOn = [this](int where) {
        return (rows ? QStringLiteral(" (first in row %1).") : QStringLiteral(" (first on line %1).")).arg(where);
    };
    QStringList sentences{counted(imported, "record", "records") + QStringLiteral(" imported.")};
    if (skipped > 0) sentences << counted(skipped, "line", "lines") + QStringLiteral(" skipped.");
    if (droppedFields > 0)
        sentences << counted(droppedFields, "field beyond the split text fields was", "fields beyond the split text fields were") +
                         QStringLiteral(" left out") + firstOn(firstDroppedLine);
    if (droppedTails > 0)
        sentences << QStringLiteral("On ") + counted(droppedTails, "line", "lines") +
                         QStringLiteral(", the characters after the last whole field were left out") + firstOn(firstTailLine);
    if (cutValues > 0)
        sentences << counted(cutValues, "value was cut to the size of its field", "values were cut to the size of their fields") +
                         firstOn(firstCutLine);
    return sentences.join(QLatin1Char(' '));
}

}  // namespace vn
