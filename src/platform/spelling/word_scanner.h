#pragma once

#include <QString>

#include <optional>

namespace vn {

// A stretch of a QString (positions count UTF-16 units, as QString and the text widgets do).
struct TextSpan {
    qsizetype position = 0;
    qsizetype length = 0;
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// The next word worth checking at or after `from`: letters and apostrophes, without the quotes
// around it. Numbers, words with digits and all-caps abbreviations of up to four letters are skipped.
std::optional<TextSpan> nextCheckableWord(const QString& text, qsizetype from = 0);

// Straight and typographic apostrophes both join words.
bool isApostrophe(QChar c);

}  // namespace vn
