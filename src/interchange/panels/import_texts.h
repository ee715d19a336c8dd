#pragma once

#include <QString>

namespace vn {

struct TextProblem;

// The texts of the text import view: its instruction, its counter and its messages.

QString importInstruction();
// "n of N" line by line, "n Of N" while importing automatically.
QString importCounter(int line, int lineCount, bool automatic);
QString importDirections();  // "Help?"

QString importNeedsList();
QString importFileProblem(const QString& path, const TextProblem& problem);
QString importFileEmpty(const QString& path);
QString importFieldBeyondLimit(int limit);
QString importWorkCaption();
QString importCancelled();
QString importStopped(const QString& reason);
QString importLineFailed(const QString& reason);

QString mapFileNotWritten(const QString& path, const QString& reason);
QString mapFileNeedsTextFile();
QString mapFileRefused(const QString& path, int line, const QString& message);
QString mapFileNeedsMethod(const QString& path);
QString mapFileBeyondFields(int fieldCount);

}  // namespace vn
