#pragma once

#include "exchange/codec/work_progress.h"
#include "exchange/fcf/fcf_reader.h"

namespace vn {

class Database;
class Prompter;

struct FcfLoad {
    WorkEnd end = WorkEnd::Failed;  // Done, Declined (the user said No) or Failed (told)
    FcfApplied applied;             // what the boxes show once Done
};

// "Process Selected File": reads and checks the file whole; a refused or vanished file is told
// and changes nothing; a list of the same code already present is replaced only when the user
// says OK; then one transaction. Cut values are told after it. The caller reloads the list codes.
FcfLoad LoadFormControlFile(Database& db, Prompter& prompter, const QString& path);

}  // namespace vn
