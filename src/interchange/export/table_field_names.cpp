#include "interchange/export/table_field_names.h"

#include "store/text/windows1252.h"

#include <QRegularExpression>
#include <QSet>

namespace vn {

namespace {

constexpr int kDbaseNameLength = 10;
constexpr int kParadoxNameLength = 25;
constexpr int kTableNameLength = 64;

int nameLength(TableFormat format) { return format == TableFormat::Dbase ? kDbaseNameLength : kParadoxNameLength; }

bool isAsciiLetterOrDigit(QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); }

bool inWindows1252(QChar c) {
    QByteArray bytes;
    return !c.isSurrogate() && windows1252::appendFromUtf8(QString(c).toUtf8(), bytes);
}

QString dbaseName(const QString& caption) {
    QString name;
    for (QChar c : caption) {
        const QChar kept = isAsciiLetterOrDigit(c) ? c.toUpper() : QLatin1Char('_');
        if (kept != QLatin1Char('_') || (!name.isEmpty() && !name.endsWith(QLatin1Char('_')))) name += kept;
    }
    if (name.isEmpty() || !name.front().isLetter()) name.prepend(QLatin1Char('F'));
    name.truncate(kDbaseNameLength);
    while (name.endsWith(QLatin1Char('_'))) name.chop(1);
    return name;
}

QString paradoxName(const QString& caption) {
    static const QString refused = QStringLiteral("[]{}()#");
    QString name;
    for (QChar c : caption)
        if (!refused.contains(c)) name += inWindows1252(c) && c.isPrint() ? c : QLatin1Char('_');
    name = name.trimmed().left(kParadoxNameLength).trimmed();
    return name.isEmpty() ? QStringLiteral("Field") : name;
}

// The name, or the first of name_2, name_3, ... (cut to the length) not yet taken.
QString unique(const QString& name, int length, QSet<QString>& taken) {
    QString candidate = name;
    for (int n = 2; taken.contains(candidate.toUpper()); ++n) {
        const QString suffix = QStringLiteral("_%1").arg(n);
        candidate = name.left(length - int(suffix.size())) + suffix;
    }
    taken.insert(candidate.toUpper());
    return candidate;
}

}  // namespace

QStringList tableFieldNames(TableFormat format, const QStringList& captions) {
    QSet<QString> taken{QStringLiteral("KEY")};
    QStringList names;
    for (const QString& caption : captions) {
        const QString legal = format == TableFormat::Dbase ? dbaseName(caption) : paradoxName(caption);
        names << unique(legal, nameLength(format), taken);
    }
    return names;
}

std::optional<QString> newTableName(const QString& text) {
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_-]{1,%1}$").arg(kTableNameLength));
    const QString name = text.section(QLatin1Char('.'), 0, 0);
    if (!allowed.match(name).hasMatch()) return std::nullopt;
    return name;
}

}  // namespace vn
