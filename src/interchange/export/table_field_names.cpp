#include "interchange/export/table_field_names.h"

#include "interchange/tables/dbase_field_names.h"
#include "store/text/windows1252.h"

#include <QRegularExpression>
#include <QSet>

namespace vn {

namespace {

constexpr int kParadoxNameLength = 25;
constexpr int kTableNameLength = 64;

bool inWindows1252(QChar c) {
    QByteArray bytes;
    return !c.isSurrogate() && windows1252::appendFromUtf8(QString(c).toUtf8(), bytes);
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
    if (format == TableFormat::Dbase) return dbaseFieldNames(captions, {QStringLiteral("Key")});
    QSet<QString> taken{QStringLiteral("KEY")};
    QStringList names;
    for (const QString& caption : captions) names << unique(paradoxName(caption), kParadoxNameLength, taken);
    return names;
}

std::optional<QString> newTableName(const QString& text) {
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_-]{1,%1}$").arg(kTableNameLength));
    const QString name = text.section(QLatin1Char('.'), 0, 0);
    if (!allowed.match(name).hasMatch()) return std::nullopt;
    return name;
}

}  // namespace vn
