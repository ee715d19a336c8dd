#pragma once

#include "interchange/files/map_file.h"
#include "interchange/files/settings_lines.h"

#include <functional>

namespace vn {

// What a line did to the settings: NotASetting when its name is none of them (a line of the
// file's own kind, or an unknown one), Refused for a bad value or a setting given twice.
enum class SettingOutcome { Applied, NotASetting, Refused };
SettingOutcome applySetting(TextFileSettings& settings, const SettingLine& line, MapFileProblem& problem);

// Reads a file's lines: the settings into settings, every other line through ownLine, which
// refuses it by setting problem and returning false.
bool readFileLines(const QString& text, TextFileSettings& settings,
                   const std::function<bool(const SettingLine&, MapFileProblem&)>& ownLine, MapFileProblem& problem);

// The settings given, as "name = value" lines in a fixed order, as applySetting reads them.
QList<NameValue> settingValues(const TextFileSettings& settings);

// The field method the settings give, complete: "method", and "size" for fixed or "separator" for
// delimited. What is missing is told through message.
std::optional<CutSettings> cutSettingsOf(const TextFileSettings& settings, QString& message);

// The names of the settings, for messages: "method, size, ...".
QString settingNames();

// A fixed-length field at most this long: a longer one would only make lines of blanks.
inline constexpr int kLargestFieldSize = 32767;

}  // namespace vn
