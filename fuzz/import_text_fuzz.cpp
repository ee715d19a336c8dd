// libFuzzer target for the reader of text files to import. An input is a whole file: decoded
// (guessed, told UTF-8, told Windows-1252), then cut by every field method. A refusal is
// expected; anything else (a crash, a sanitizer report, a broken invariant) is a finding.
#include "interchange/text/import_text.h"

#include "fuzz_expect.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;
using fuzz::expect;

void showRefusal(const TextProblem& problem) {
    if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS"))
        std::fprintf(stderr, "%s\n", qPrintable(textProblemMessage(QStringLiteral("fuzz.txt"), problem)));
}

void cut(const TextFileLines& file, const CutSettings& settings) {
    TextProblem problem;
    const auto records = cutImportRecords(file, settings, problem);
    if (!records) {
        showRefusal(problem);
        expect(settings.method == FieldMethod::Delimited && !settings.delimiter.isNull(),
               "only an enclosed value can be left open");
        expect(problem.line >= 1 && problem.line <= file.lines.size(), "a refusal names a line of the file");
        return;
    }
    int previous = 0;
    for (const ImportRecord& record : *records) {
        expect(record.firstLine > previous && record.firstLine <= file.lines.size(), "records follow the lines");
        expect(!file.lines[record.firstLine - 1].isEmpty(), "no record begins on an empty line");
        previous = record.firstLine + int(record.text.count(QLatin1Char('\n')));
        if (settings.method == FieldMethod::FixedLength) {
            for (const QString& field : record.fields) expect(field.size() == settings.size, "fixed fields are whole");
            expect(record.droppedTail == (record.text.size() % settings.size != 0), "a tail is shorter than a field");
        } else {
            expect(!record.fields.isEmpty(), "a record has a field");
        }
        expect(splitPreview(record.text, settings) == record.fields, "the preview cuts a record as the run does");
    }
}

void cutEveryWay(const TextFileLines& file, int size) {
    cut(file, {FieldMethod::FixedLength, size, QChar(), QChar()});
    cut(file, {FieldMethod::Delimited, 0, QChar(), QLatin1Char(',')});
    cut(file, {FieldMethod::Delimited, 0, QLatin1Char('"'), QLatin1Char(',')});
    cut(file, {FieldMethod::Delimited, 0, QLatin1Char('~'), QLatin1Char('-')});
    cut(file, {FieldMethod::Tab, 0, QChar(), QChar()});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const int fieldSize = 1 + (size > 0 ? data[0] % 16 : 4);
    for (std::optional<TextCharset> told : {std::optional<TextCharset>(), std::optional(TextCharset::Utf8),
                                            std::optional(TextCharset::Windows1252)}) {
        TextProblem problem;
        const auto file = decodeImportText(bytes, told, problem);
        if (!file) {
            showRefusal(problem);
            expect(problem.line >= 1, "a refusal names the line");
            expect(told == TextCharset::Utf8 || bytes.contains('\0'), "only NUL bytes or bad UTF-8 are refused");
            continue;
        }
        expect(!told || file->charset == *told, "a told charset is used");
        for (const QString& line : file->lines)
            expect(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')), "lines hold no line ends");
        cutEveryWay(*file, fieldSize);
    }
    return 0;
}
