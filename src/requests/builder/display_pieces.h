#pragma once

#include "requests/request.h"

#include <QString>

// The pieces a request's display text is made of, each followed by one space.
namespace vn::display_piece {

inline const QString kOpen = QStringLiteral("( ");
inline const QString kClose = QStringLiteral(") ");
inline const QString kRecordsWith = QStringLiteral("Records with ");

// A field's caption or a target in double quotes.
inline QString quoted(const QString& text) { return QLatin1Char('"') + text + QStringLiteral("\" "); }

inline QString connector(Connector connector) {
    return connector == Connector::And ? QStringLiteral("AND ") : QStringLiteral("OR ");
}

}  // namespace vn::display_piece
