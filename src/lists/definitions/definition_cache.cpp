#include "lists/definitions/definition_cache.h"

#include "lists/definitions/definition_reader.h"
#include "lists/definitions/definition_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

using namespace definition_tables;

const FieldDefinition kNoDefinition;
const TableConstruction kNoTable;

QString defaultPageTitle(int page) { return QStringLiteral("Page %1").arg(page); }

QString readPageTitle(RecordAccess& access, const QString& listCode, int page) {
    return access.FindRecord(kFdisSlot, pageTitleKey(listCode, page)) ? access.GetFieldText(kFdisSlot, fdis::kCaption)
                                                                        : QString();
}

}  // namespace

DefinitionCache LoadDefinitions(RecordAccess& access, const QString& listCode) {
    DefinitionCache cache;
    cache.m_listCode = LowerCaseText(listCode);
    for (int p = 1; p <= kPagesPerList; ++p) {
        DefinitionCache::Page& page = cache.m_pages[p - 1];
        page.title = readPageTitle(access, cache.m_listCode, p);
        for (int n = 1; n <= ColumnMap::kDefinitionsPerPage; ++n) {
            auto definition = ReadDefinition(access, definitionKey(cache.m_listCode, p, n));
            if (!definition) continue;
            definition->hasHelp = HasHelpText(access, definition->key);
            if (definition->kind == FieldKind::Table)
                if (auto table = ReadTableConstruction(access, definition->key)) page.table = std::move(*table);
            page.add(std::move(*definition));
        }
    }
    return cache;
}

void DefinitionCache::Page::add(FieldDefinition definition) {
    ++definitionCount;
    ++kindCounts[int(definition.kind)];
    if (!definition.active) hasDeletedFields = true;
    const int number = definition.number();
    entries[number - 1] = std::move(definition);
}

const DefinitionCache::Page* DefinitionCache::pageAt(int number) const {
    return number >= 1 && number <= kPagesPerList ? &m_pages[number - 1] : nullptr;
}

const FieldDefinition& DefinitionCache::definition(int page, int number) const {
    const Page* p = pageAt(page);
    if (!p || number < 1 || number > ColumnMap::kDefinitionsPerPage) return kNoDefinition;
    return p->entries[number - 1];
}

QList<FieldDefinition> DefinitionCache::pageDefinitions(int page) const {
    QList<FieldDefinition> definitions;
    if (const Page* p = pageAt(page))
        for (const FieldDefinition& d : p->entries)
            if (d.exists()) definitions << d;
    return definitions;
}

int DefinitionCache::definitionCount(int page) const {
    const Page* p = pageAt(page);
    return p ? p->definitionCount : 0;
}

int DefinitionCache::kindCount(int page, FieldKind kind) const {
    const Page* p = pageAt(page);
    const int code = int(kind);
    return p && code >= 1 && code <= kFieldKindCount ? p->kindCounts[code] : 0;
}

bool DefinitionCache::hasDeletedFields(int page) const {
    const Page* p = pageAt(page);
    return p && p->hasDeletedFields;
}

QString DefinitionCache::pageTitle(int page) const {
    const Page* p = pageAt(page);
    return p && !p->title.isEmpty() ? p->title : defaultPageTitle(page);
}

const TableConstruction& DefinitionCache::tableConstruction(int page) const {
    const Page* p = pageAt(page);
    return p ? p->table : kNoTable;
}

}  // namespace vn
