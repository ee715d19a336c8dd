#include "exchange/codec/cut_values.h"

namespace vn {

QString cutValuesMessage(qint64 cutValues, const QStringList& examples) {
    return QStringLiteral("%1 values were longer than their fields take and were cut to fit:\r\r%2%3")
        .arg(cutValues)
        .arg(examples.join(QStringLiteral("\r")), cutValues > examples.size() ? QStringLiteral("\r...") : QString());
}

}  // namespace vn
