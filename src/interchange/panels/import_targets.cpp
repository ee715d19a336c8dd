#include "interchange/panels/import_targets.h"

#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"

namespace vn {

std::array<TargetBox, kHeaderFieldCount> headerTargetBoxes() {
    std::array<TargetBox, kHeaderFieldCount> boxes;
    for (int i = 0; i < kHeaderFieldCount; ++i) boxes[std::size_t(i)] = {headerFieldCaptions().at(i), FieldRef{0, i + 1}, 0};
    return boxes;
}

QList<TargetBox> pageTextBoxes(const DefinitionCache& definitions, int page) {
    QList<TargetBox> boxes;
    for (const FieldDefinition& d : definitions.pageDefinitions(page)) {
        if (!d.active || d.kind != FieldKind::Text) continue;
        const std::optional<int> column = d.recordColumn();
        if (!column || boxes.size() == kPageTextBoxes) continue;
        // A field without a caption is still named, by its slot.
        const QString caption = d.caption.trimmed().isEmpty() ? QStringLiteral("Text %1").arg(d.slot) : d.caption;
        boxes.append({caption, FieldRef{page, *column}, 0});
    }
    return boxes;
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
