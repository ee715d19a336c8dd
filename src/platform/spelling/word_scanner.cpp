#include "platform/spelling/word_scanner.h"

namespace vn {

namespace {

// Digits belong to the token so that "3rd" or "A4" is skipped whole instead of checked in pieces.
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark() || isApostrophe(c); }

bool isCheckable(QStringView word) {
    int letters = 0;
    bool allUpper = true;
    for (QChar c : word) {
        if (c.isNumber()) return false;
        if (!c.isLetter()) continue;
        ++letters;
        allUpper = allUpper && c.isUpper();
    }
    return letters > 0 && !(allUpper && letters <= 4);
}

}  // namespace

bool isApostrophe(QChar c) { return c == u'\'' || c == u'\u2019'; }

std::optional<TextSpan> nextCheckableWord(const QString& text, qsizetype from) {
    qsizetype i = qMax<qsizetype>(from, 0);
    while (i < text.size()) {
        while (i < text.size() && !isWordChar(text[i])) ++i;
        qsizetype end = i;
        while (end < text.size() && isWordChar(text[end])) ++end;
        qsizetype start = i;
        while (start < end && isApostrophe(text[start])) ++start;
        qsizetype stop = end;
        while (stop > start && isApostrophe(text[stop - 1])) --stop;
        if (start < stop && isCheckable(QStringView(text).sliced(start, stop - start))) return TextSpan{start, stop - start};
        i = end;
    }
    return std::nullopt;
}

}  // namespace vn
