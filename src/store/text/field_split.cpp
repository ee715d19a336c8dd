#include "store/text/field_split.h"

namespace vn {

namespace {

constexpr QChar tilde = u'~';

}  // namespace

QString NextDelimitedField(QString& line, QChar delimiter) {
    const qsizetype end = line.indexOf(delimiter);
    if (end < 0) return {};
    QString field = line.left(end);
    line.remove(0, end + 1);
    return field;
}

QString NextTildeField(QString& line) { return NextDelimitedField(line, tilde); }

QStringList SplitDelimitedFields(const QString& line, QChar delimiter) {
    QStringList fields;
    qsizetype start = 0;
    for (qsizetype end = line.indexOf(delimiter); end >= 0; end = line.indexOf(delimiter, start)) {
        fields << line.mid(start, end - start);
        start = end + 1;
    }
    return fields;
}

QStringList SplitTildeFields(const QString& line) { return SplitDelimitedFields(line, tilde); }

}  // namespace vn
