#include "requests/builder/display_parts.h"

#include <utility>

namespace vn {

namespace {

constexpr qsizetype kPartLength = 100;

// Splits after the last closing quote (an even-numbered one) among the first 100 characters; with
// fewer than two quotes there the first part is empty and the whole text goes on.
std::pair<QString, QString> cutAfterClosingQuote(const QString& text) {
    qsizetype quotes = 0;
    qsizetype cut = -1;
    for (qsizetype i = 0; i < std::min(text.size(), kPartLength); ++i) {
        if (text[i] != QLatin1Char('"')) continue;
        if (++quotes % 2 == 0) cut = i + 1;
    }
    if (cut < 0) return {QString(), text};
    return {text.left(cut), text.mid(cut)};
}

}  // namespace

QStringList displayParts(const QString& text) {
    if (text.size() <= kPartLength) return {text, QString(), QString()};
    auto [first, rest] = cutAfterClosingQuote(text);
    if (rest.size() <= kPartLength) return {first, rest, QString()};
    auto [second, third] = cutAfterClosingQuote(rest);
    if (third.size() > kPartLength) third = third.left(kPartLength) + QStringLiteral("...");
    return {first, second, third};
}

}  // namespace vn
