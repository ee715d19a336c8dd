#pragma once

#include <QString>

namespace vn {

// Where the family lock and the family message live: the user's runtime folder, else the
// temporary folder.
QString familyRuntimeFolder();

// Both names carry the user id, so users sharing a temporary folder never meet.
QString familyLockPath(const QString& runtimeFolder);
QString familySocketPath(const QString& runtimeFolder);

}  // namespace vn
