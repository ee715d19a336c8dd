#pragma once

#include "interchange/files/map_file.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace vn {

// One "name = value" line of a map or layout file, both sides trimmed.
struct SettingLine {
    int line = 0;  // 1-based
    QString name;
    QString value;
};

// A file's bytes as text: UTF-8, a byte-order mark dropped; a line with a NUL byte or with bytes
// that are not UTF-8 is refused by its number.
std::optional<QString> decodeSettingsFile(QByteArrayView bytes, MapFileProblem& problem);
// The file read whole and decoded; a file that cannot be read is refused as a whole.
std::optional<QString> readSettingsFile(const QString& path, MapFileProblem& problem);

// The "name = value" lines of a text; blank lines and lines starting with "#" are left out. A
// NUL character or a line without "=" or without a name is refused by its number.
std::optional<QList<SettingLine>> settingLines(const QString& text, MapFileProblem& problem);

// A problem in a file as the commands and the views name it: "FILE:LINE: message", or
// "FILE: message" for line 0.
QString fileProblemText(const QString& path, int line, const QString& message);

// Sets the problem of a line; false, for the caller to return.
bool refuseLine(MapFileProblem& problem, int line, const QString& message);

// The text of a file: "# " + each heading line, then "name = value" per line, CR LF throughout.
using NameValue = std::pair<QString, QString>;
QString settingsFileText(const QStringList& heading, const QList<NameValue>& lines);

}  // namespace vn
