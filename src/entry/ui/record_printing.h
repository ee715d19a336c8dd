#pragma once

#include <QString>
#include <functional>

namespace vn {

class EntrySession;
class Prompter;
class RecordPrintoutFile;

// Where the record printout goes and how it is shown: the Files folder and the desktop.
struct RecordPrintoutPlace {
    std::function<QString()> filesFolder;
    std::function<bool(const QString& path)> open;
};

// "View/Print  Form/Data": the record as the window holds it, written to <Files>/<key>.pdf and
// opened; the user is told when it cannot be written or shown.
void printRecord(const EntrySession& session, RecordPrintoutFile& file, const RecordPrintoutPlace& place, Prompter& prompter);

}  // namespace vn
