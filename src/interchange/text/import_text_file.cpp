#include "interchange/text/import_text.h"

#include "exchange/codec/file_encoding.h"
#include "exchange/codec/mapped_file.h"
#include "store/text/windows1252.h"

#include <QFileInfo>

namespace vn {

namespace {

// The file's lines as bytes, without their ends (CR LF, CR or LF); a last line without an end
// counts, an end at the very end makes no extra line.
QList<QByteArrayView> byteLines(QByteArrayView bytes) {
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.append(bytes.sliced(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.append(bytes.sliced(start));
    return lines;
}

bool refuse(TextProblem& problem, int line, const QString& message) {
    problem = {line, message};
    return false;
}

// NUL bytes mean a binary file; told UTF-8, every line must be valid UTF-8.
bool checkLines(const QList<QByteArrayView>& lines, std::optional<TextCharset> charset, TextProblem& problem) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].contains('\0'))
            return refuse(problem, int(i + 1), QStringLiteral("The line holds a NUL byte: this is not a text file."));
        if (charset == TextCharset::Utf8 && !isValidUtf8(lines[i]))
            return refuse(problem, int(i + 1), QStringLiteral("The line is not valid UTF-8 text."));
    }
    return true;
}

TextCharset guessCharset(QByteArrayView bytes, bool bom) {
    if (bom) return TextCharset::Utf8;
    EncodingGuess guess;
    guess.see(bytes);
    return guess.verdict() == FileEncoding::Utf8 ? TextCharset::Utf8 : TextCharset::Windows1252;
}

}  // namespace

std::optional<TextFileLines> decodeImportText(QByteArrayView bytes, std::optional<TextCharset> charset,
                                              TextProblem& problem) {
    const bool bom = charset != TextCharset::Windows1252 && bytes.startsWith(QByteArrayView(kUtf8Bom));
    if (bom) bytes = bytes.sliced(3);
    const QList<QByteArrayView> lines = byteLines(bytes);
    if (!checkLines(lines, charset, problem)) return std::nullopt;
    TextFileLines file;
    file.charset = charset.value_or(guessCharset(bytes, bom));
    const FileEncoding encoding = file.charset == TextCharset::Utf8 ? FileEncoding::Utf8 : FileEncoding::Windows1252;
    file.lines.reserve(lines.size());
    for (QByteArrayView line : lines) file.lines.append(decodeFileText(line, encoding));
    return file;
}

std::optional<TextFileLines> readImportText(const QString& path, std::optional<TextCharset> charset,
                                            TextProblem& problem) {
    MappedFile file;
    QString error;
    if (QFileInfo(path).isDir()) error = QStringLiteral("it is a folder");
    if (!error.isEmpty() || !file.open(path, error)) {
        problem = {0, QStringLiteral("The file \"%1\" cannot be read: %2").arg(path, error)};
        return std::nullopt;
    }
    return decodeImportText(file.bytes(), charset, problem);
}

QString textProblemMessage(const QString& path, const TextProblem& problem) {
    if (problem.line <= 0) return problem.message;
    return QStringLiteral("%1, line %2: %3").arg(path).arg(problem.line).arg(problem.message);
}

}  // namespace vn
