#pragma once

#include "interchange/text/cut_settings.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vn {

// Where reading or cutting a file stopped: the file's 1-based line and what is wrong there.
struct TextProblem {
    int line = 0;
    QString message;
};

// A text file read whole before anything is imported: its physical lines (CR LF, CR or LF), empty
// ones kept so line numbers stay true.
struct TextFileLines {
    QStringList lines;
    TextCharset charset = TextCharset::Windows1252;
};

// The file's text: NUL bytes and, when the charset is told, text that is not valid in it are
// refused naming the line. Without a told charset: UTF-8 after a byte-order mark or when valid,
// else Windows-1252.
std::optional<TextFileLines> decodeImportText(QByteArrayView bytes, std::optional<TextCharset> charset,
                                              TextProblem& problem);
std::optional<TextFileLines> readImportText(const QString& path, std::optional<TextCharset> charset,
                                            TextProblem& problem);
// The problem as the user reads it: "<path>, line <n>: <message>", or the message alone for line 0
// (a file that cannot be read names itself).
QString textProblemMessage(const QString& path, const TextProblem& problem);

// One record of the file: usually one line; a delimited value may hold line breaks.
struct ImportRecord {
    int firstLine = 0;   // 1-based
    QString text;        // as in the file, its lines joined by "\n": what the preview shows
    QStringList fields;  // every field the method found
    bool droppedTail = false;  // FixedLength: characters after the last whole field
};

// Every record of the file cut by the method; empty lines are skipped. Delimited with a data
// delimiter reads as RFC 4180 does: a field opened by the delimiter ends at a delimiter before a
// separator or the line's end, a doubled delimiter is one, line breaks inside belong to the
// value; an unclosed field is a problem naming its line.
std::optional<QList<ImportRecord>> cutImportRecords(const TextFileLines& file, const CutSettings& settings,
                                                    TextProblem& problem);

// The fields of one record as "Split Text Fields" numbers them (1, 2, ...): the same cut applied to
// the record's text; empty when the settings are not ready or a delimited field is left open.
QStringList splitPreview(const QString& recordText, const CutSettings& settings);

}  // namespace vn
