#pragma once

#include <QByteArray>
#include <QList>
#include <QTextStream>
#include <optional>

namespace vn {

// The commands that run without a window: --help, --version, --schema-reference,
// --create-installation DIR, --find-installation, --backup, --restore, --import, --export. Takes the arguments as the system passed them
// (names must be UTF-8). Returns the exit status, or nothing when the program should start.
std::optional<int> runCommandLine(const QList<QByteArray>& arguments, QTextStream& out, QTextStream& err);

}  // namespace vn
