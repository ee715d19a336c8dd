#include "interchange/tables/dbase_field_names.h"

#include <QSet>

#include <algorithm>

namespace vn {

namespace {

bool isAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isNameCharacter(QChar c) { return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'_'; }

// Letters without their accents, runs of anything else as one "_", none at either end.
QString baseName(const QString& caption) {
    QString name;
    for (QChar c : caption.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark()) continue;
        if (isNameCharacter(c)) name += c.toUpper();
        else if (!name.isEmpty() && !name.endsWith(u'_')) name += u'_';
    }
    while (name.endsWith(u'_')) name.chop(1);
    if (name.isEmpty()) name = QStringLiteral("FIELD");
    else if (!isAsciiLetter(name.front())) name.prepend(u'F');
    name.truncate(kDbaseNameLength);
    while (name.endsWith(u'_')) name.chop(1);  // a cut can end on a separator
    return name;
}

}  // namespace

bool isLegalDbaseName(const QString& name) {
    if (name.isEmpty() || name.size() > kDbaseNameLength || !isAsciiLetter(name.front())) return false;
    return std::all_of(name.begin(), name.end(), isNameCharacter);
}

QStringList dbaseFieldNames(const QStringList& captions, const QStringList& taken) {
    QSet<QString> used;
    for (const QString& name : taken) used.insert(name.toUpper());
    QStringList names;
    for (const QString& caption : captions) {
        const QString base = baseName(caption);
        QString name = base;
        for (int n = 2; used.contains(name); ++n) {
            const QString suffix = u'_' + QString::number(n);
            name = base.left(kDbaseNameLength - suffix.size()) + suffix;
        }
        used.insert(name);
        names.append(name);
    }
    return names;
}

}  // namespace vn
