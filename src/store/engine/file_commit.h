#pragma once

#include <QString>

namespace vn {

// Makes a fully written temporary file the target: fsync, rename over the target, fsync the
// folder. A reader of the target sees the old file or the new one, never a mix.
void commitFile(const QString& temp, const QString& target);

// Flushes a written file to disk; throws naming the file.
void syncFile(const QString& path);

}  // namespace vn
