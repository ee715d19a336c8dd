#include "interchange/text/import_text.h"

#include "interchange/text/quoted_fields.h"

namespace vn {

namespace {

ImportRecord fixedLengthRecord(const QString& line, int size) {
    ImportRecord record;
    record.text = line;
    const qsizetype whole = line.size() / size;
    record.fields.reserve(whole);
    for (qsizetype i = 0; i < whole; ++i) record.fields.append(line.mid(i * size, size));
    record.droppedTail = line.size() % size != 0;
    return record;
}

ImportRecord splitRecord(const QString& line, QChar separator) {
    ImportRecord record;
    record.text = line;
    record.fields = line.split(separator, Qt::KeepEmptyParts);
    return record;
}

// One line a record: every method but the delimited one with a data delimiter.
QList<ImportRecord> cutLines(const TextFileLines& file, const CutSettings& settings) {
    QList<ImportRecord> records;
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        const QString& line = file.lines[i];
        if (line.isEmpty()) continue;
        ImportRecord record = settings.method == FieldMethod::FixedLength ? fixedLengthRecord(line, settings.size)
                              : settings.method == FieldMethod::Tab     ? splitRecord(line, QLatin1Char('\t'))
                                                                        : splitRecord(line, settings.separator);
        record.firstLine = int(i + 1);
        records.append(std::move(record));
    }
    return records;
}

std::optional<QList<ImportRecord>> cutQuoted(const TextFileLines& file, const CutSettings& settings,
                                             TextProblem& problem) {
    QList<ImportRecord> records;
    QuotedFieldReader reader(file.lines, settings.delimiter, settings.separator);
    while (reader.skipEmptyLines()) {
        ImportRecord record;
        record.firstLine = reader.lineNumber();
        if (!reader.readRecord(record.fields, record.text, problem)) return std::nullopt;
        records.append(std::move(record));
    }
    return records;
}

}  // namespace

std::optional<QList<ImportRecord>> cutImportRecords(const TextFileLines& file, const CutSettings& settings,
                                                    TextProblem& problem) {
    if (!settings.isReady()) {
        problem = {0, QStringLiteral("The field method is not complete: a field size or a field separator is missing.")};
        return std::nullopt;
    }
    if (settings.method == FieldMethod::Delimited && !settings.delimiter.isNull())
        return cutQuoted(file, settings, problem);
    return cutLines(file, settings);
}

QStringList splitPreview(const QString& recordText, const CutSettings& settings) {
    TextFileLines file;
    file.lines = recordText.split(QLatin1Char('\n'));
    TextProblem problem;
    const auto records = cutImportRecords(file, settings, problem);
    if (!records || records->isEmpty()) return {};
    return records->first().fields;
}

}  // namespace vn
