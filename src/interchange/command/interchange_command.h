#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace vn {

// "--import LIST FILE --map MAPFILE [--table NAME]" and "--export LIST FILE [--layout LAYOUTFILE]
// [--no-bom]" or "--export LIST FILE.db|FILE.dbf --layout LAYOUTFILE [--replace]": the import and
// export windows' automatic runs without a window, for text files and outside tables.
struct InterchangeCommand {
    enum class Kind { Import, Export };
    Kind kind = Kind::Import;
    QString listCode;
    QString file;        // the text file read, or the file written (absolute)
    QString mapFile;     // import: which import field fills which field
    QString layoutFile;  // export: the fields and their method; empty for every field
    bool byteOrderMark = true;  // export to CSV; --no-bom clears it
    QString table;              // import from an Access data base: the table read
    bool replace = false;       // export to a table: an existing table of the name is replaced
};

bool isInterchangeCommand(const QString& option);

// The command from the arguments after the program's name; nothing, with the problem, when they
// are not right.
std::optional<InterchangeCommand> parseInterchangeCommand(const QStringList& arguments, QString& problem);

// Runs it on the data set the program would start on, holding the program's locks, and ends as
// the program's orderly exit does (the saved copy written). The summary goes to out, problems to
// err as "FILE:LINE: message". The exit status: 0 done, 1 refused or failed (nothing changed),
// 3 the program is running.
int runInterchangeCommand(const InterchangeCommand& command, QTextStream& out, QTextStream& err);

}  // namespace vn
