#pragma once

#include <QStringList>

namespace vn {

// A request's display text as its three parts of at most 100 characters each, cut after a
// closing quote so that no quoted name or target is split; the builder shows them as three lines
// and stored requests keep them in three fields. Always three entries, empty ones included.
QStringList displayParts(const QString& text);

}  // namespace vn
