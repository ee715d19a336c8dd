#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace vn {

// The commands that run without a window: --version, --create-installation DIR,
// --find-installation. Returns the exit status, or nothing when the program should start.
std::optional<int> runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace vn
