#include "interchange/export/export_run.h"

namespace vn {

namespace {

QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("  ") + (count == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many).arg(count));
}

}  // namespace

QString ExportSummary::message(const QString& path) const {
    QString text = QStringLiteral("The export text file [") + path + QStringLiteral("] has  been successfully built.");
    if (replacedCharacters > 0)
        text += counted(replacedCharacters, "1 character the file's character set lacks was written as \"?\".",
                        "%1 characters the file's character set lacks were written as \"?\".");
    if (valuesWithSeparators > 0)
        text += counted(valuesWithSeparators, "1 value holds a delimiter, separator or tab, written as stored.",
                        "%1 values hold a delimiter, separator or tab, written as stored.");
    if (joinedLineBreaks > 0)
        text += counted(joinedLineBreaks, "1 value had line breaks, written as spaces.",
                        "%1 values had line breaks, written as spaces.");
    if (cutCells > 0)
        text += counted(cutCells, "1 value was cut to a cell's 32,767 characters.",
                        "%1 values were cut to a cell's 32,767 characters.");
    if (guardedFormulas > 0)
        text += counted(guardedFormulas, "1 value that would run as a formula got an apostrophe before it.",
                        "%1 values that would run as formulas got an apostrophe before them.");
    return text;
}

}  // namespace vn
