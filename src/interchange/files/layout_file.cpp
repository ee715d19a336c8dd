#include "interchange/files/map_file.h"

#include "interchange/files/field_reference.h"
#include "interchange/files/text_file_settings.h"

#include <set>

namespace vn {

namespace {

bool addLayoutLine(QList<OrderEntry>& order, std::set<FieldRef>& chosen, const SettingLine& line,
                   const DefinitionCache& definitions, FileFields fields, MapFileProblem& problem) {
    if (line.name.compare(QLatin1StringView("field"), Qt::CaseInsensitive) != 0)
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" is neither a setting (%2) nor \"field\".").arg(line.name, settingNames()));
    QString message;
    const auto field = resolveFieldReference(line.value, definitions, message);
    if (!field) return refuseLine(problem, line.line, message);
    if (fields.use == FileFields::Use::Table && !isTableField(*field))
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" cannot go into a table: a table takes header fields, "
                                                             "page text fields and page memos only.").arg(line.value));
    if (!chosen.insert(*field).second)
        return refuseLine(problem, line.line, QStringLiteral("\"%1\" is in the layout twice.").arg(line.value));
    order.append(orderEntryOf(definitions, *field));
    return true;
}

}  // namespace

std::optional<LayoutFile> parseLayoutFile(const QString& text, const DefinitionCache& definitions, MapFileProblem& problem,
                                          FileFields fields) {
    LayoutFile file;
    std::set<FieldRef> chosen;
    const auto layoutLine = [&](const SettingLine& line, MapFileProblem& lineProblem) {
        return addLayoutLine(file.order, chosen, line, definitions, fields, lineProblem);
    };
    if (!readFileLines(text, file.settings, layoutLine, problem)) return std::nullopt;
    return file;
}

std::optional<LayoutFile> readLayoutFile(const QString& path, const DefinitionCache& definitions, MapFileProblem& problem,
                                         FileFields fields) {
    const auto text = readSettingsFile(path, problem);
    return text ? parseLayoutFile(*text, definitions, problem, fields) : std::nullopt;
}

QString layoutFileText(const TextFileSettings& settings, const QList<OrderEntry>& order) {
    QList<NameValue> lines = settingValues(settings);
    for (const OrderEntry& entry : order) lines.append({QStringLiteral("field"), fieldReference(entry.field)});
    return settingsFileText({QStringLiteral("Varnedo export layout: \"field = ...\" lines give the fields of a line in order")}, lines);
}

}  // namespace vn
