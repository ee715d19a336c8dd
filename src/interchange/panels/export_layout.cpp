#include "interchange/panels/export_layout.h"

#include "interchange/files/text_file_settings.h"
#include "store/text/digits_to_int.h"

namespace vn {

namespace {

std::optional<QChar> oneCharacter(const QString& text) {
    if (text.size() != 1) return std::nullopt;
    return text.front();
}

QString characterText(QChar c) { return c.isNull() ? QString() : QString(c); }

}  // namespace

// The numbers of the three text methods are those of FieldMethod.
TextFileSettings layoutSettings(const ExportChoices& choices) {
    TextFileSettings settings;
    if (choices.writesTextFile()) settings.method = FieldMethod(int(choices.method));
    const int size = DigitsToInt(choices.sizeText);
    if (size >= 1 && size <= kLargestFieldSize) settings.size = size;
    settings.separator = oneCharacter(choices.separatorText);
    settings.delimiter = oneCharacter(choices.delimiterText);
    // The file refuses a delimiter that is also the separator; the separator is the one to keep.
    if (settings.delimiter && settings.delimiter == settings.separator) settings.delimiter.reset();
    settings.charset = choices.charset;
    if (choices.optionChosen) settings.selection = choices.option;
    return settings;
}

void applyLayoutSettings(ExportChoices& choices, const TextFileSettings& settings) {
    if (settings.method) choices.method = ExportMethod(int(*settings.method));
    if (settings.size) choices.sizeText = QString::number(*settings.size);
    if (settings.delimiter) choices.delimiterText = characterText(*settings.delimiter);
    if (settings.separator) choices.separatorText = characterText(*settings.separator);
    if (settings.charset) choices.charset = *settings.charset;
    if (settings.selection) {
        choices.option = *settings.selection;
        choices.optionChosen = true;
    }
}

}  // namespace vn
