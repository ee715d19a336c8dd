#include "interchange/files/field_reference.h"

#include "interchange/files/map_file.h"
#include "lists/definitions/definition_cache.h"

#include <QRegularExpression>

namespace vn {

namespace {

struct KindWord {
    QLatin1StringView word;
    FieldKind kind;
    PageColumn::Kind column;
};
constexpr KindWord kKindWords[] = {
    {QLatin1StringView("text"), FieldKind::Text, PageColumn::Kind::Text},
    {QLatin1StringView("check"), FieldKind::CheckBox, PageColumn::Kind::CheckBox},
    {QLatin1StringView("radio"), FieldKind::RadioGroup, PageColumn::Kind::RadioGroup}};

bool sameText(const QString& a, const QString& b) { return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0; }

bool holdsValue(FieldKind kind) {
    return kind == FieldKind::Text || kind == FieldKind::CheckBox || kind == FieldKind::RadioGroup || kind == FieldKind::Memo;
}

// The short captions the table import and export views show for header fields 6 to 9.
constexpr QLatin1StringView kShortHeaderCaptions[] = {QLatin1StringView("H. Phone"), QLatin1StringView("W. Phone"),
                                                     QLatin1StringView("Email Add"), QLatin1StringView("Position/Ti")};
constexpr int kFirstShortHeaderField = 6;

std::optional<FieldRef> headerField(const QString& reference) {
    const QStringList& captions = headerFieldCaptions();
    for (int i = 0; i < captions.size(); ++i)
        if (sameText(reference, captions[i])) return FieldRef{0, i + 1};
    for (int i = 0; i < int(std::size(kShortHeaderCaptions)); ++i)
        if (sameText(reference, QString(kShortHeaderCaptions[i]))) return FieldRef{0, kFirstShortHeaderField + i};
    return std::nullopt;
}

std::optional<FieldRef> captioned(const DefinitionCache& definitions, int page, const QString& caption, QString& message) {
    std::optional<FieldRef> found;
    int count = 0;
    for (const FieldDefinition& d : definitions.pageDefinitions(page)) {
        if (!d.active || !holdsValue(d.kind) || !sameText(d.caption, caption)) continue;
        ++count;
        if (const auto column = d.recordColumn()) found = FieldRef{page, *column};
    }
    if (count == 1 && found) return found;
    message = count == 0 ? QStringLiteral("Page %1 has no field captioned \"%2\".").arg(page).arg(caption)
                         : QStringLiteral("Page %1 has %2 fields captioned \"%3\": name the one meant as "
                                          "\"page %1 text|check|radio N\".").arg(page).arg(count).arg(caption);
    return std::nullopt;
}

std::optional<FieldRef> bySlot(const DefinitionCache& definitions, int page, const KindWord& kind, int slot, QString& message) {
    const FieldDefinition* d = activeDefinition(definitions, page, kind.kind, slot);
    const auto column = d ? d->recordColumn() : std::nullopt;
    if (column) return FieldRef{page, *column};
    message = QStringLiteral("Page %1 has no %2 field %3.").arg(page).arg(QString(kind.word)).arg(slot);
    return std::nullopt;
}

bool hasActive(const DefinitionCache& definitions, int page, FieldKind kind) {
    for (const FieldDefinition& d : definitions.pageDefinitions(page))
        if (d.active && d.kind == kind) return true;
    return false;
}

std::optional<FieldRef> memo(const DefinitionCache& definitions, int page, QString& message) {
    if (hasActive(definitions, page, FieldKind::Memo)) return FieldRef{page, ColumnMap::kMemoColumn};
    message = QStringLiteral("Page %1 has no memo field.").arg(page);
    return std::nullopt;
}

std::optional<FieldRef> cell(const DefinitionCache& definitions, int page, int row, int column, QString& message) {
    const TableConstruction& table = definitions.tableConstruction(page);
    if (!hasActive(definitions, page, FieldKind::Table) || table.rowCount < 1 || table.columnCount < 1) {
        message = QStringLiteral("Page %1 has no table.").arg(page);
        return std::nullopt;
    }
    const auto place = ColumnMap::tableCellColumn(row, column);
    if (place && row <= table.rowCount && column <= table.columnCount) return FieldRef{page, *place};
    message = QStringLiteral("The table of page %1 has no cell %2,%3: it has %4 rows and %5 columns.")
                  .arg(page).arg(row).arg(column).arg(table.rowCount).arg(table.columnCount);
    return std::nullopt;
}

std::optional<FieldRef> pageField(const QRegularExpressionMatch& m, const DefinitionCache& definitions, QString& message) {
    const int page = m.captured(1).toInt();
    if (page < 1 || page > kPagesPerList) {
        message = QStringLiteral("Pages are numbered 1 to %1.").arg(kPagesPerList);
        return std::nullopt;
    }
    if (m.capturedStart(2) >= 0) return captioned(definitions, page, m.captured(2), message);
    for (const KindWord& kind : kKindWords)
        if (m.captured(3).compare(kind.word, Qt::CaseInsensitive) == 0)
            return bySlot(definitions, page, kind, m.captured(4).toInt(), message);
    if (m.capturedLength(5) > 0) return cell(definitions, page, m.captured(5).toInt(), m.captured(6).toInt(), message);
    return memo(definitions, page, message);
}

}  // namespace

const FieldDefinition* activeDefinition(const DefinitionCache& definitions, int page, FieldKind kind, int slot) {
    for (const FieldDefinition& d : definitions.pageDefinitions(page))
        if (d.active && d.kind == kind && d.slot == slot) return &definitions.definition(page, d.number());
    return nullptr;
}

std::optional<FieldRef> resolveFieldReference(const QString& reference, const DefinitionCache& definitions, QString& message) {
    static const QRegularExpression pagePattern(
        QStringLiteral("^page\\s*(\\d{1,3})\\s*(?::\\s*(.*)|(text|check|radio)\\s*(\\d{1,3})|cell\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})|memo)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = reference.simplified();
    if (const auto header = headerField(text)) return header;
    if (const QRegularExpressionMatch m = pagePattern.match(text); m.hasMatch()) return pageField(m, definitions, message);
    message = QStringLiteral("\"%1\" names no field: a header caption (Title ... Zip), \"page P: CAPTION\", "
                             "\"page P text|check|radio N\", \"page P memo\" or \"page P cell R,C\".").arg(text);
    return std::nullopt;
}

OrderEntry orderEntryOf(const DefinitionCache& definitions, FieldRef field) {
    OrderEntry entry{fieldCaption(definitions, field), field, false};
    const auto place = field.isHeader() ? std::nullopt : pageColumn(field.column);
    if (place && place->kind == PageColumn::Kind::Text)
        if (const FieldDefinition* d = activeDefinition(definitions, field.source, FieldKind::Text, place->slot)) entry.hasList = d->hasList;
    return entry;
}

QString fieldReference(FieldRef field) {
    if (field.isHeader()) return headerFieldCaptions().value(field.column - 1);
    const auto place = pageColumn(field.column);
    if (!place) return QString();
    const QString page = QStringLiteral("page %1 ").arg(field.source);
    switch (place->kind) {
    case PageColumn::Kind::Memo: return page + QStringLiteral("memo");
    case PageColumn::Kind::TableCell: return page + QStringLiteral("cell %1,%2").arg(place->cellRow).arg(place->cellColumn);
    default: break;
    }
    for (const KindWord& kind : kKindWords)
        if (kind.column == place->kind) return page + QString(kind.word) + QStringLiteral(" %1").arg(place->slot);
    return QString();
}

}  // namespace vn
