#include "designer/page_designer/page_rows.h"

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"
#include "lists/definitions/definition_writer.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

#include <QStringList>

namespace vn {

namespace {

using namespace definition_tables;

constexpr int kLastFdisField = fdis::kColour;
constexpr int kLastTdatField = tdat::rowName(ColumnMap::kTableRows);
constexpr int kSelectionPageIndex = kSelectionPrefixLength - 1;  // code + slot + page digit
constexpr int kSelectionPosition = 1;

QChar pageDigit(int page) { return QChar('0' + page); }

// The Selc items of the page's text fields, the list code compared in any case.
QStringList pageSelectionKeys(RecordAccess& access, const QString& listCode, int page) {
    QStringList keys;
    for (const QString& key : access.KeysWithPrefix(kSelcSlot, listCode, kListCodeLength))
        if (key.size() > kSelectionPageIndex && key[kSelectionPageIndex] == pageDigit(page)) keys << key;
    return keys;
}

// Copies fields 1..lastField of a row to another key, when the row exists.
bool copyRow(RecordAccess& access, int slot, const QString& from, const QString& to, int lastField) {
    if (!access.FindRecord(slot, from)) return false;
    QStringList values;
    for (int field = 1; field <= lastField; ++field) values << access.GetFieldText(slot, field);
    access.EnsureRecord(slot, to);
    for (int field = 1; field <= lastField; ++field) access.SetFieldText(slot, field, values[field - 1]);
    return true;
}

void removeAttachments(RecordAccess& access, const QString& listCode, int page) {
    for (int n = 1; n <= ColumnMap::kDefinitionsPerPage; ++n)
        for (int slot : {kTdatSlot, kHelpSlot}) access.DeleteRecord(slot, definitionKey(listCode, page, n));
    for (const QString& key : pageSelectionKeys(access, listCode, page)) access.DeleteRecord(kSelcSlot, key);
}

void copySelectionItems(RecordAccess& access, const QString& listCode, int from, int to) {
    for (const QString& key : pageSelectionKeys(access, listCode, from)) {
        QString copy = key;
        copy[kSelectionPageIndex] = pageDigit(to);
        copyRow(access, kSelcSlot, key, copy, kSelectionPosition);
    }
}

}  // namespace

void CopyPageRows(RecordAccess& access, const QString& listCode, int from, int to) {
    Transaction tx(access.database(kFdisSlot));
    removeAttachments(access, listCode, to);
    for (int n = 1; n <= ColumnMap::kDefinitionsPerPage; ++n) {
        const QString source = definitionKey(listCode, from, n), target = definitionKey(listCode, to, n);
        if (copyRow(access, kFdisSlot, source, target, kLastFdisField))
            copyRow(access, kTdatSlot, source, target, kLastTdatField);
    }
    copySelectionItems(access, listCode, from, to);
    tx.commit();
}

void ErasePageRows(RecordAccess& access, const QString& listCode, int page) {
    Transaction tx(access.database(kFdisSlot));
    removeAttachments(access, listCode, page);
    for (int n = 1; n <= ColumnMap::kDefinitionsPerPage; ++n) access.DeleteRecord(kFdisSlot, definitionKey(listCode, page, n));
    tx.commit();
}

void RewriteActiveDefinitions(RecordAccess& access, const DefinitionCache& cache) {
    Transaction tx(access.database(kFdisSlot));
    for (int page = 1; page <= kPagesPerList; ++page)
        for (const FieldDefinition& d : cache.pageDefinitions(page))
            if (d.active)
                WriteDefinition(access, d, d.kind == FieldKind::Table ? &cache.tableConstruction(page) : nullptr);
    tx.commit();
}

}  // namespace vn
