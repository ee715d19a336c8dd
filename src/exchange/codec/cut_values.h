#pragma once

#include <QStringList>

namespace vn {

// The message after a received file whose values were longer than their fields: the count,
// then the examples kept (one a line), "..." when there were more.
QString cutValuesMessage(qint64 cutValues, const QStringList& examples);

}  // namespace vn
