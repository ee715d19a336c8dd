#include "interchange/panels/export_choices.h"

#include "store/text/digits_to_int.h"

namespace vn {

namespace {

bool oneCharacter(const QString& text) { return text.size() == 1; }

QChar firstCharacter(const QString& text) { return text.isEmpty() ? QChar() : text.front(); }

// A one-character edit that holds more is emptied and keeps the focus.
bool refuseLonger(QString& text, bool& beep) {
    beep = text.size() > 1;
    if (beep) text.clear();
    return beep;
}

}  // namespace

bool ExportChoices::methodReady() const {
    switch (method) {
    case ExportMethod::FixedLength: return DigitsToInt(sizeText) >= 1;
    case ExportMethod::Delimited: return oneCharacter(delimiterText) && oneCharacter(separatorText);
    case ExportMethod::Tab:
    case ExportMethod::Csv:
    case ExportMethod::Xlsx: return true;
    case ExportMethod::None: break;
    }
    return false;
}

CutSettings ExportChoices::cutSettings() const {
    CutSettings settings;
    switch (method) {
    case ExportMethod::FixedLength:
        settings.method = FieldMethod::FixedLength;
        settings.size = DigitsToInt(sizeText);
        break;
    case ExportMethod::Delimited:
        settings.method = FieldMethod::Delimited;
        settings.delimiter = firstCharacter(delimiterText);
        settings.separator = firstCharacter(separatorText);
        break;
    case ExportMethod::Tab: settings.method = FieldMethod::Tab; break;
    default: break;
    }
    return settings;
}

ExportFormat ExportChoices::format() const {
    if (method == ExportMethod::Csv) return ExportFormat::Csv;
    if (method == ExportMethod::Xlsx) return ExportFormat::Xlsx;
    return ExportFormat::Text;
}

ExportFocus ExportChoices::leaveSize() {
    if (sizeText.isEmpty() || DigitsToInt(sizeText) >= 1) return ExportFocus::None;
    sizeText.clear();
    return ExportFocus::Size;
}

ExportFocus ExportChoices::leaveDelimiter(bool& beep) {
    return refuseLonger(delimiterText, beep) ? ExportFocus::Delimiter : ExportFocus::None;
}

ExportFocus ExportChoices::leaveSeparator(bool& beep, ExportFocus next) {
    return refuseLonger(separatorText, beep) ? ExportFocus::Separator : next;
}

}  // namespace vn
