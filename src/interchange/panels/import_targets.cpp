#include "interchange/panels/import_targets.h"

#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"

namespace vn {

std::array<TargetBox, kHeaderFieldCount> headerTargetBoxes() {
    std::array<TargetBox, kHeaderFieldCount> boxes;
    for (int i = 0; i < kHeaderFieldCount; ++i) boxes[std::size_t(i)] = {headerFieldCaptions().at(i), FieldRef{0, i + 1}, 0};
    return boxes;
}

namespace {

// The page's active fields of the kinds, in definition-number order, at most `limit`. A field
// without a caption is still named, by its kind and slot.
QList<TargetBox> pageTargets(const DefinitionCache& definitions, int page, bool withMemos, qsizetype limit) {
    QList<TargetBox> boxes;
    for (const FieldDefinition& d : definitions.pageDefinitions(page)) {
        const bool memo = d.kind == FieldKind::Memo;
        if (!d.active || !(d.kind == FieldKind::Text || (withMemos && memo))) continue;
        const std::optional<int> column = d.recordColumn();
        if (!column || boxes.size() == limit) continue;
        const QString unnamed = memo ? QStringLiteral("Memo") : QStringLiteral("Text %1").arg(d.slot);
        boxes.append({d.caption.trimmed().isEmpty() ? unnamed : d.caption, FieldRef{page, *column}, 0});
    }
    return boxes;
}

}  // namespace

QList<TargetBox> pageTextBoxes(const DefinitionCache& definitions, int page) {
    return pageTargets(definitions, page, false, kPageTextBoxes);
}

QList<TargetBox> pageTextAndMemoTargets(const DefinitionCache& definitions, int page) {
    return pageTargets(definitions, page, true, -1);
}

std::array<TargetBox, kHeaderFieldCount> headerTargetRows() {
    static const char* const kShort[kHeaderFieldCount] = {
        "Title", "First", "M.I.", "Last", "Suffix", "H. Phone", "W. Phone", "Email Add", "Position/Ti", "Company",
        "Address 1", "Address 2", "City", "State", "Zip"};
    std::array<TargetBox, kHeaderFieldCount> rows = headerTargetBoxes();
    for (int i = 0; i < kHeaderFieldCount; ++i) rows[std::size_t(i)].caption = QString::fromLatin1(kShort[i]);
    return rows;
}

bool pageDefined(const DefinitionCache& definitions, int page) {
    return page == 1 || (page >= 1 && page <= kPageCount && definitions.definitionCount(page) > 0);
}

int highestDefinedPage(const DefinitionCache& definitions) {
    int highest = 1;
    for (int page = 2; page <= kPageCount; ++page)
        if (pageDefined(definitions, page)) highest = page;
    return highest;
}

QString pageGroupCaption(int page) {
    static const char* const kNames[] = {"One", "Two", "Three", "Four", "Five", "Six"};
    if (page < 1 || page > kPageCount) return QString();
    return QStringLiteral("Page %1 Edit Fields...").arg(QLatin1String(kNames[page - 1]));
}

}  // namespace vn
