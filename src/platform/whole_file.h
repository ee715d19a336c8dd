#pragma once

#include <QByteArray>
#include <QString>

namespace vn {

// Writes a file whole or not at all: through a temporary file renamed over the old one, every
// write checked as it happens (a buffered write that fails at the end could still replace the
// old file with a cut one). Returns the system's reason on failure, empty on success; the old
// file is then kept.
[[nodiscard]] QString writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace vn
