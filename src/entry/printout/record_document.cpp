#include "entry/printout/record_document.h"

#include "entry/printout/printout_text.h"
#include "lists/definitions/definition_cache.h"
#include "platform/printing/pdf_printout.h"

#include <QDir>
#include <QFile>

namespace vn {

namespace {

bool removeFile(const QString& path) { return QFile::remove(path) || !QFile::exists(path); }

}  // namespace

Printout recordPrintout(RecordSnapshot record, std::shared_ptr<const DefinitionCache> definitions) {
    Printout printout;
    printout.title = QStringLiteral("Varnedo Data Entry Printout %1").arg(record.key);
    printout.pdfFileName = record.key + QStringLiteral(".pdf");
    printout.layout = [record = std::move(record), definitions = std::move(definitions)](PageSink& sink) {
        layoutRecord(sink, record, definitions ? *definitions : DefinitionCache());
    };
    return printout;
}

RecordPrintoutFile::RecordPrintoutFile(Remover remove) : m_remove(remove ? std::move(remove) : Remover(removeFile)) {}

RecordPrintoutResult RecordPrintoutFile::write(const RecordSnapshot& record,
                                               std::shared_ptr<const DefinitionCache> definitions,
                                               const QString& filesFolder) {
    if (!isSafeFileStem(record.key))
        return {{}, QStringLiteral("The record key \"%1\" holds characters other than letters, digits and \"_\", so "
                                   "no printout file can be named after it.")
                        .arg(record.key)};
    const QString path = QDir(filesFolder).filePath(record.key + QStringLiteral(".pdf"));
    QDir().mkpath(filesFolder);  // a failure shows as the file's own error below
    const QString failure = writePdf(recordPrintout(record, std::move(definitions)), path, PdfPage{true});
    if (!failure.isEmpty())
        return {path, QStringLiteral("The printout could not be saved as\r\r%1\r\r%2").arg(path, failure)};
    m_last = path;
    return {path, {}};
}

QStringList RecordPrintoutFile::pending() const {
    QStringList paths = m_failed;
    if (!m_last.isEmpty() && !paths.contains(m_last)) paths << m_last;
    return paths;
}

void RecordPrintoutFile::erase() {
    QStringList failed;
    for (const QString& path : pending())
        if (!m_remove(path)) failed << path;
    m_failed = failed;
    m_last.clear();
}

}  // namespace vn
