#include "interchange/export/export_run.h"

namespace vn {

namespace {

// A sentence for a count above zero: one, or many with the count.
struct CountSentence {
    int ExportSummary::*count;
    const char* one;
    const char* many;
};

const CountSentence kSentences[] = {
    {&ExportSummary::replacedCharacters, "1 character the file's character set lacks was written as \"?\".",
     "%1 characters the file's character set lacks were written as \"?\"."},
    {&ExportSummary::valuesWithSeparators, "1 value holds a delimiter, separator or tab, written as stored.",
     "%1 values hold a delimiter, separator or tab, written as stored."},
    {&ExportSummary::joinedLineBreaks, "1 value had line breaks, written as spaces.",
     "%1 values had line breaks, written as spaces."},
    {&ExportSummary::cutCells, "1 value was cut to a cell's 32,767 characters.",
     "%1 values were cut to a cell's 32,767 characters."},
    {&ExportSummary::guardedFormulas, "1 value that would run as a formula got an apostrophe before it.",
     "%1 values that would run as formulas got an apostrophe before them."},
};

}  // namespace

QString ExportSummary::message(const QString& path) const {
    QString text = QStringLiteral("The export text file [") + path + QStringLiteral("] has  been successfully built.");
    for (const CountSentence& sentence : kSentences) {
        const int count = this->*sentence.count;
        if (count <= 0) continue;
        text += QStringLiteral("  ") +
                (count == 1 ? QString::fromLatin1(sentence.one) : QString::fromLatin1(sentence.many).arg(count));
    }
    return text;
}

}  // namespace vn
