#include "interchange/files/map_file.h"

#include "interchange/files/field_reference.h"
#include "interchange/files/text_file_settings.h"

namespace vn {

namespace {

std::optional<int> importFieldNumber(const QString& name, int highest) {
    bool digits = !name.isEmpty() && name.size() <= 6;
    for (QChar c : name) digits = digits && c >= u'0' && c <= u'9';
    const int number = digits ? name.toInt() : 0;
    if (number >= 1 && number <= highest) return number;
    return std::nullopt;
}

bool isPageKind(FieldRef field, PageColumn::Kind kind) {
    const auto place = field.isHeader() ? std::nullopt : pageColumn(field.column);
    return place && place->kind == kind;
}

bool isImportTarget(FieldRef target, FileFields fields) {
    if (fields.use == FileFields::Use::Table) return isTableField(target);
    return target.isHeader() || isPageKind(target, PageColumn::Kind::Text);
}

QString targetsText(FileFields fields) {
    return fields.use == FileFields::Use::Table ? QStringLiteral("header fields, page text fields and page memos")
                                                : QStringLiteral("header fields and page text fields");
}

bool addMapLine(ImportMapping& mapping, const SettingLine& line, const DefinitionCache& definitions, FileFields fields,
                MapFileProblem& problem) {
    const auto number = importFieldNumber(line.name, fields.highestImportField);
    if (!number)
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" is neither a setting (%2) nor an import field number from 1 to %3.")
                                              .arg(line.name, settingNames()).arg(fields.highestImportField));
    QString message;
    const auto target = resolveFieldReference(line.value, definitions, message);
    if (!target) return refuseLine(problem, line.line, message);
    if (!isImportTarget(*target, fields))
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" cannot be filled: an import fills %2 only.")
                                              .arg(line.value, targetsText(fields)));
    if (const auto earlier = mapping.fieldOf(*target))
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" is already filled by import field %2.").arg(line.value).arg(*earlier));
    mapping.map(*number, *target);
    return true;
}

}  // namespace

bool isTableField(FieldRef field) {
    return field.isHeader() || isPageKind(field, PageColumn::Kind::Text) || isPageKind(field, PageColumn::Kind::Memo);
}

std::optional<MapFile> parseMapFile(const QString& text, const DefinitionCache& definitions, MapFileProblem& problem,
                                    FileFields fields) {
    MapFile file;
    file.mapping = ImportMapping(fields.highestImportField);
    const auto mapLine = [&](const SettingLine& line, MapFileProblem& lineProblem) {
        return addMapLine(file.mapping, line, definitions, fields, lineProblem);
    };
    if (!readFileLines(text, file.settings, mapLine, problem)) return std::nullopt;
    return file;
}

std::optional<MapFile> readMapFile(const QString& path, const DefinitionCache& definitions, MapFileProblem& problem,
                                   FileFields fields) {
    const auto text = readSettingsFile(path, problem);
    return text ? parseMapFile(*text, definitions, problem, fields) : std::nullopt;
}

QString mapFileText(const TextFileSettings& settings, const ImportMapping& mapping) {
    QList<NameValue> lines = settingValues(settings);
    for (int field : mapping.mappedFields())
        for (FieldRef target : mapping.targetsOf(field)) lines.append({QString::number(field), fieldReference(target)});
    return settingsFileText({QStringLiteral("Varnedo import map: \"import field number = the field it fills\"")}, lines);
}

}  // namespace vn
