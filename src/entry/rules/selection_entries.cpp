#include "entry/rules/selection_entries.h"

#include "lists/definitions/definition_keys.h"
#include "lists/definitions/field_definition.h"
#include "lists/definitions/selection_items.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

namespace vn {

namespace {

QString prefixOf(const QString& listCode, const FieldDefinition& definition) {
    return selectionListPrefix(listCode, definition.page(), definition.slot);
}

}  // namespace

bool hasSelectionList(const FieldDefinition& definition) { return definition.hasList || definition.exclusive; }

QStringList selectionEntries(RecordAccess& access, const QString& listCode, const FieldDefinition& definition) {
    QStringList entries;
    if (definition.slot == 1) entries << kSelectNewPage;
    if (!hasSelectionList(definition)) return entries;
    for (const SelectionItem& item : SelectionItems(access, prefixOf(listCode, definition))) entries << item.text;
    return entries;
}

bool offersToLearn(const FieldDefinition& definition, const QStringList& entries, const QString& input) {
    return hasSelectionList(definition) && !definition.listLocked && !input.isEmpty() && !entries.isEmpty() &&
           !entries.contains(input, Qt::CaseSensitive);
}

bool learnSelectionItem(RecordAccess& access, const QString& listCode, const FieldDefinition& definition,
                        const QString& input) {
    const QString key = prefixOf(listCode, definition) + input;
    if (access.FindRecord(kSelcSlot, key)) return false;
    access.EnsureRecord(kSelcSlot, key);
    return true;
}

}  // namespace vn
