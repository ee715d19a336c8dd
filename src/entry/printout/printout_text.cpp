#include "entry/printout/printout_text.h"

#include <QRegularExpression>
#include <algorithm>

namespace vn {

namespace {

// The next line of the rest: up to maxChars + 1 characters cut back to their last space, or
// maxChars characters when there is none. Returns the line and where the rest continues.
std::pair<QString, qsizetype> nextLine(const QString& rest, qsizetype maxChars) {
    if (rest.size() <= maxChars) return {rest, rest.size()};
    const QString taken = rest.left(maxChars + 1);
    const qsizetype space = taken.lastIndexOf(u' ');
    if (space < 0) return {rest.left(maxChars), maxChars};
    return {taken.left(space), space + 1};
}

QString withoutLeadingSpaces(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ') ++start;
    return text.mid(start);
}

}  // namespace

QStringList wrapText(const QString& text, int maxChars, bool dropLeadingSpaces) {
    const qsizetype limit = std::max(1, maxChars);
    QStringList lines;
    QString rest = text;
    do {
        if (dropLeadingSpaces) rest = withoutLeadingSpaces(rest);
        const auto [line, next] = nextLine(rest, limit);
        lines << line;
        rest = rest.mid(next);
    } while (!rest.isEmpty());
    return lines;
}

QStringList memoLines(const QString& memo, int maxChars) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n|\v|\\^\\^"));
    const qsizetype limit = std::max(1, maxChars);
    QStringList lines;
    for (QString rest : memo.split(lineEnd)) {
        while (rest.size() > limit) {
            const qsizetype space = rest.left(limit).lastIndexOf(u' ');
            const qsizetype cut = space < 0 ? limit : space;
            lines << rest.left(cut);
            rest = rest.mid(space < 0 ? cut : cut + 1);
        }
        lines << rest;
    }
    return lines;
}

bool isSafeFileStem(const QString& stem) {
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_]+$"));
    return safe.match(stem).hasMatch();
}

QString plainFileStem(const QString& code) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_ ]"));
    return QString(code).replace(unsafe, QStringLiteral("_"));
}

}  // namespace vn
