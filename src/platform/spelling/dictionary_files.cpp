#include "platform/spelling/dictionary_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace vn {

namespace {

const char* const kLanguage = "en_US";

QStringList searchFolders() {
    const QString chosen = qEnvironmentVariable("VARNEDO_DICTIONARY_DIR");
    if (!chosen.isEmpty()) return {chosen};
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts"),
            QStringLiteral("/usr/share/myspell")};
}

}  // namespace

std::optional<DictionaryFiles> findDictionary() {
    for (const QString& folder : searchFolders()) {
        const QDir dir(folder);
        const DictionaryFiles files{dir.filePath(QString::fromLatin1(kLanguage) + QStringLiteral(".aff")),
                                    dir.filePath(QString::fromLatin1(kLanguage) + QStringLiteral(".dic"))};
        if (QFileInfo(files.affix).isFile() && QFileInfo(files.words).isFile()) return files;
    }
    return std::nullopt;
}

}  // namespace vn
