#pragma once

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/field_definition.h"
#include "lists/definitions/table_construction.h"

#include <QList>
#include <array>
#include <vector>

namespace vn {

class RecordAccess;
class DefinitionCache;

// Reads every page of one list from Fdis, Tdat and Help into a new snapshot. It never starts
// from an earlier snapshot, so one list's fields cannot show up in another's.
DefinitionCache LoadDefinitions(RecordAccess& access, const QString& listCode);

// The field definitions of one list as they were when loaded: pages 1..6, definition numbers
// 1..83. Changes go to the tables (WriteDefinition) and are seen after the next load.
class DefinitionCache {
public:
    DefinitionCache() = default;  // no list: every page empty, titled "Page n"

    const QString& listCode() const { return m_listCode; }

    // The entry of a definition number; an entry without key where no row exists (and for a
    // page or number out of range).
    const FieldDefinition& definition(int page, int number) const;
    // The page's existing rows, deleted ones included, in number order.
    QList<FieldDefinition> pageDefinitions(int page) const;

    // Rows on the page, active and deleted: with numbers handed out without gaps, the highest
    // number in use.
    int definitionCount(int page) const;
    // Rows of the kind on the page: the highest slot of the kind in use.
    int kindCount(int page, FieldKind kind) const;
    bool hasDeletedFields(int page) const;
    QString pageTitle(int page) const;
    // The page's table construction; all empty when the page has no Tdat row.
    const TableConstruction& tableConstruction(int page) const;

private:
    struct Page {
        std::array<FieldDefinition, ColumnMap::kDefinitionsPerPage> entries;
        int definitionCount = 0;
        std::array<int, kFieldKindCount + 1> kindCounts{};
        bool hasDeletedFields = false;
        QString title;  // empty: the default title
        TableConstruction table;

        void add(FieldDefinition definition);
    };

    const Page* pageAt(int number) const;

    friend DefinitionCache LoadDefinitions(RecordAccess&, const QString&);

    QString m_listCode;
    std::vector<Page> m_pages = std::vector<Page>(kPagesPerList);  // on the heap: about 200 kB
};

}  // namespace vn
