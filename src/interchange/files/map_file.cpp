#include "interchange/files/map_file.h"

#include "interchange/files/field_reference.h"
#include "interchange/files/text_file_settings.h"

namespace vn {

namespace {

std::optional<int> importFieldNumber(const QString& name) {
    bool digits = !name.isEmpty() && name.size() <= 3;
    for (QChar c : name) digits = digits && c >= u'0' && c <= u'9';
    const int number = digits ? name.toInt() : 0;
    if (number >= 1 && number <= ImportMapping::kMaxFields) return number;
    return std::nullopt;
}

bool isImportTarget(FieldRef target) {
    const auto place = target.isHeader() ? std::nullopt : pageColumn(target.column);
    return target.isHeader() || (place && place->kind == PageColumn::Kind::Text);
}

bool addMapLine(ImportMapping& mapping, const SettingLine& line, const DefinitionCache& definitions, MapFileProblem& problem) {
    const auto number = importFieldNumber(line.name);
    if (!number)
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" is neither a setting (%2) nor an import field number from 1 to %3.")
                                              .arg(line.name, settingNames()).arg(ImportMapping::kMaxFields));
    QString message;
    const auto target = resolveFieldReference(line.value, definitions, message);
    if (!target) return refuseLine(problem, line.line, message);
    if (!isImportTarget(*target))
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" cannot be filled: an import fills header fields and page text fields only.")
                                              .arg(line.value));
    if (const auto earlier = mapping.fieldOf(*target))
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" is already filled by import field %2.").arg(line.value).arg(*earlier));
    mapping.map(*number, *target);
    return true;
}

}  // namespace

std::optional<MapFile> parseMapFile(const QString& text, const DefinitionCache& definitions, MapFileProblem& problem) {
    MapFile file;
    const auto mapLine = [&](const SettingLine& line, MapFileProblem& lineProblem) {
        return addMapLine(file.mapping, line, definitions, lineProblem);
    };
    if (!readFileLines(text, file.settings, mapLine, problem)) return std::nullopt;
    return file;
}

std::optional<MapFile> readMapFile(const QString& path, const DefinitionCache& definitions, MapFileProblem& problem) {
    const auto text = readSettingsFile(path, problem);
    return text ? parseMapFile(*text, definitions, problem) : std::nullopt;
}

QString mapFileText(const TextFileSettings& settings, const ImportMapping& mapping) {
    QList<NameValue> lines = settingValues(settings);
    for (int field : mapping.mappedFields())
        for (FieldRef target : mapping.targetsOf(field)) lines.append({QString::number(field), fieldReference(target)});
    return settingsFileText({QStringLiteral("Varnedo import map: \"import field number = the field it fills\"")}, lines);
}

}  // namespace vn
