#pragma once

#include <QString>
#include <optional>

namespace vn {

class DriveMap;

// A new database holding every table of the schema: empty, or with the rows every
// installation ships with (default selection lists, help phrases, the state's places).
void createDatabase(const QString& path, bool withSeedData = false);

// Lays out a complete new installation under base: folder tree, live database, its saved copy,
// the shell, and last the marker that makes the base findable. An existing installation is
// never overwritten.
void createInstallation(const QString& base);

// The base search over the mapped drives C to Z: drive/HLV/vn/vn.loc first, then
// drive/vn/vn.loc, names in any case. Empty when no installation is found.
std::optional<QString> findBaseLocation(const DriveMap& drives);

}  // namespace vn
