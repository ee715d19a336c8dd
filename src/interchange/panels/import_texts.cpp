#include "interchange/panels/import_texts.h"

#include "interchange/text/import_text.h"

namespace vn {

QString importInstruction() {
    return QStringLiteral(
        "Click on a text field below, then click on the correct check box for desired mapping.  Click check box a "
        "second time to un-map.");
}

QString importCounter(int line, int lineCount, bool automatic) {
    return QString::number(line) + (automatic ? QStringLiteral(" Of ") : QStringLiteral(" of ")) +
           QString::number(lineCount);
}

QString importDirections() {
    return QStringLiteral(
        "Importing a text file into the current data list:\r\r"
        "1. \"Select Text File\" and pick the file.  Its first line shows at the bottom.\r"
        "2. Choose how its lines are cut into fields under \"Field Method...\": \"Fixed Length\" (enter the "
        "field size), \"Delimited\" (enter the field separator and, when values are enclosed, the data "
        "delimiter) or \"Excel Tab Delimited\".\r"
        "3. \"Split Text Fields\" lists the first line's fields, numbered.\r"
        "4. Click a field in the list, then the header or page field box it fills.  A field may fill several "
        "boxes.  Click a mapped box again to un-map it; the page buttons show each page's fields.\r"
        "5. \"Save Mapping\", then choose \"Automatically\" (every line becomes a record) or \"Line by Line\" "
        "(\"Accept Line\" or \"Skip Line\" for each; use it to pass over a heading line).\r"
        "6. \"Start Process\".  The whole file is checked first; a file that cannot be read changes nothing.\r\r"
        "\"Stop/Return\" ends the run; records already imported stay.");
}

QString importNeedsList() {
    return QStringLiteral(
        "There is no current data list.  Choose the list to import into with \"Select List Form\" first.");
}

QString importFileProblem(const QString& path, const TextProblem& problem) {
    const QString where = problem.line > 0 ? QStringLiteral(", line %1").arg(problem.line) : QString();
    return QStringLiteral("The file %1 cannot be imported%2: %3\rNothing was changed.").arg(path, where, problem.message);
}

QString importFileEmpty(const QString& path) {
    return QStringLiteral("The file %1 holds no lines to import.").arg(path);
}

QString importFieldBeyondLimit(int limit) {
    return QStringLiteral("Only import fields 1 to %1 can be mapped.").arg(limit);
}

QString importWorkCaption() { return QStringLiteral("Importing records..."); }

QString importCancelled() { return QStringLiteral("The import was cancelled.  No record was imported."); }

QString importStopped(const QString& reason) {
    return QStringLiteral("The import stopped: %1\rNo record was imported.").arg(reason);
}

QString importLineFailed(const QString& reason) {
    return QStringLiteral("This line could not be imported: %1").arg(reason);
}

QString mapFileNotWritten(const QString& path, const QString& reason) {
    return QStringLiteral("The map file %1 could not be written: %2\rAn earlier file of that name is kept.").arg(path, reason);
}

QString mapFileNeedsTextFile() {
    return QStringLiteral("Select the text file first: a map file numbers the fields of its lines.");
}

QString mapFileRefused(const QString& path, int line, const QString& message) {
    const QString where = line > 0 ? QStringLiteral(", line %1").arg(line) : QString();
    return QStringLiteral("The map file %1 cannot be used%2: %3\rNothing was changed.").arg(path, where, message);
}

QString mapFileNeedsMethod(const QString& path) {
    return QStringLiteral("The map file %1 gives no complete field method: choose one under \"Field Method...\" first.").arg(path);
}

QString mapFileBeyondFields(int fieldCount) {
    return QStringLiteral("The map names import fields beyond the %1 of the file's first line; those were left unmapped.").arg(fieldCount);
}

}  // namespace vn
