#include "platform/family/flag_files.h"

#include <QDir>

namespace vn {

FlagFiles FlagFiles::inFolder(const QString& folder) {
    if (folder.isEmpty()) return FlagFiles();
    return FlagFiles(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System));
}

}  // namespace vn
