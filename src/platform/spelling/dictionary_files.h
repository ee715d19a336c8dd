#pragma once

#include <QString>

#include <optional>

namespace vn {

// The two files of a Hunspell dictionary.
struct DictionaryFiles {
    QString affix;
    QString words;
};

// The en_US dictionary: only in VARNEDO_DICTIONARY_DIR when that is set, otherwise in the
// system's dictionary folders.
std::optional<DictionaryFiles> findDictionary();

}  // namespace vn
