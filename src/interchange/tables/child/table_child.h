#pragma once

#include "interchange/tables/foreign_table.h"

#include <QIODevice>
#include <QStringList>

#include <memory>

namespace vn {

// The internal option that makes the program a table reader: "varnedo --read-table KIND PATH
// [TABLE]". Not for users, so not in the usage text.
inline constexpr char kReadTableOption[] = "--read-table";

// The kinds of table a child reads: "paradox" (a .DB file), "access" (the table TABLE of an
// Access data base) and "access-tables" (the names of its user tables, one a row).
inline constexpr char kAccessKind[] = "access";
inline constexpr char kAccessListKind[] = "access-tables";
[[nodiscard]] std::unique_ptr<ForeignTable> openTableInProcess(const QString& kind, const QString& path,
                                                               const QString& table, ForeignProblem& problem);

// Streams a table (or the problem that stopped it) as frames (table_frames.h) to out. False when
// out could not take them.
bool streamTable(const QString& kind, const QString& path, const QString& table, QIODevice& out);

// What a child may use: an outside library on a damaged file can ask for gigabytes or loop without
// end, and that must end the child, not exhaust the machine.
inline constexpr quint64 kTableChildMemoryBytes = quint64(2) << 30;
inline constexpr quint64 kTableChildProcessorSeconds = 600;
// Puts those limits on the calling process; false when the system refused them.
bool limitTableChild();

// The child's entry, called by main before anything else with the program's arguments; the frames
// go to standard output, under limitTableChild. Returns the exit status: 0 when a table or a problem was sent.
int runTableChild(int argc, char* argv[]);

}  // namespace vn
