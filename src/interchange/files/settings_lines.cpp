#include "interchange/files/settings_lines.h"

#include "platform/text_lines.h"
#include "store/text/windows1252.h"

#include <QFile>

namespace vn {

namespace {

// Map and layout files are a few hundred lines; anything far larger is not one.
constexpr qint64 kLargestFile = 1 << 20;

std::nullopt_t refuse(MapFileProblem& problem, int line, const QString& message) {
    refuseLine(problem, line, message);
    return std::nullopt;
}

}  // namespace

std::optional<QString> decodeSettingsFile(QByteArrayView bytes, MapFileProblem& problem) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    if (bytes.contains('\0') || !isValidUtf8(bytes)) {
        // Line ends are single bytes that never occur inside a UTF-8 sequence, so the lines can
        // be cut before decoding: Latin-1 keeps every byte as one character.
        const QStringList lines = splitLines(QString::fromLatin1(bytes));
        for (int i = 0; i < lines.size(); ++i) {
            const QByteArray line = lines[i].toLatin1();
            if (line.contains('\0')) return refuse(problem, i + 1, QStringLiteral("The line holds a NUL byte."));
            if (!isValidUtf8(line)) return refuse(problem, i + 1, QStringLiteral("The line is not UTF-8 text."));
        }
    }
    return QString::fromUtf8(bytes);
}

std::optional<QString> readSettingsFile(const QString& path, MapFileProblem& problem) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse(problem, 0, QStringLiteral("The file cannot be read: %1").arg(file.errorString()));
    }
    if (file.size() > kLargestFile) {
        return refuse(problem, 0, QStringLiteral("The file is larger than 1 MiB."));
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kLargestFile) {
        return refuse(problem, 0, QStringLiteral("The file cannot be read: %1").arg(file.errorString()));
    }
    return decodeSettingsFile(bytes, problem);
}

std::optional<QList<SettingLine>> settingLines(const QString& text, MapFileProblem& problem) {
    QList<SettingLine> found;
    const QStringList lines = splitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.contains(QChar(0))) return refuse(problem, i + 1, QStringLiteral("The line holds a NUL character."));
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) return refuse(problem, i + 1, QStringLiteral("Expected \"name = value\"."));
        SettingLine setting{i + 1, line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
        if (setting.name.isEmpty()) return refuse(problem, i + 1, QStringLiteral("The line has no name before \"=\"."));
        found << setting;
    }
    return found;
}

QString fileProblemText(const QString& path, int line, const QString& message) {
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(message) : QStringLiteral("%1: %2").arg(path, message);
}

bool refuseLine(MapFileProblem& problem, int line, const QString& message) {
    problem = {line, message};
    return false;
}

QString settingsFileText(const QStringList& heading, const QList<NameValue>& lines) {
    QString text;
    for (const QString& line : heading) text += QStringLiteral("# ") + line + QStringLiteral("\r\n");
    for (const auto& [name, value] : lines) text += name + QStringLiteral(" = ") + value + QStringLiteral("\r\n");
    return text;
}

}  // namespace vn
