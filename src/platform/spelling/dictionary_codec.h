#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace vn {

// Converts words to and from a dictionary's encoding (its SET line): UTF-8, otherwise ISO-8859-1.
class DictionaryCodec {
public:
    explicit DictionaryCodec(std::string_view encoding = "UTF-8");

    // Nothing when the word holds a character the dictionary cannot spell.
    std::optional<std::string> encode(const QString& word) const;
    QString decode(const std::string& bytes) const;

private:
    bool m_utf8;
};

}  // namespace vn
