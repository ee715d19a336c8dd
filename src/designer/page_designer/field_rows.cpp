#include "designer/page_designer/field_rows.h"

#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"
#include "lists/definitions/definition_writer.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

namespace vn {

namespace {

using namespace definition_tables;

constexpr int kLastAddedField = 2;  // List field 2

QString flag(bool value) { return QString::number(value ? 1 : 0); }

QString rowValue(const FieldDefinition& d, int field) {
    using namespace fdis;
    if (field >= kFirstButton && field < kFirstButton + FieldDefinition::kButtons) return d.buttons[field - kFirstButton];
    switch (field) {
    case kActive: return flag(d.active);
    case kKind: return QString::number(int(d.kind));
    case kSlot: return QString::number(d.slot);
    case kCaption: return d.caption;
    case kTop: return QString::number(d.top);
    case kLeft: return QString::number(d.left);
    case kWidth: return QString::number(d.width);
    case kHeight: return QString::number(d.height);
    case kTabOrder: return QString::number(d.tabOrder);
    case kRequired: return flag(d.required);
    case kCharacterType: return QString::number(int(d.characterType));
    case kHasList: return flag(d.hasList || d.exclusive);
    case kButtonCount: return QString::number(d.shownButtons().size());
    case kListLocked: return flag(d.listLocked);
    case kDataSet: return QString::number(d.dataSet);
    case kDataSetField: return QString::number(d.dataSetField);
    case kSize: return QString::number(d.size);
    case kReadOnly: return flag(d.readOnly);
    case kExclusive: return flag(d.exclusive);
    case kFontSize: return QString::number(d.fontSize);
    case kColour: return QString::number(d.colour);
    }
    return QString();
}

void writeWholeTable(RecordAccess& access, const QString& key, const TableConstruction& t) {
    access.EnsureRecord(kTdatSlot, key);
    access.SetFieldText(kTdatSlot, tdat::kName, t.name);
    access.SetFieldInt(kTdatSlot, tdat::kColumnCount, t.columnCount);
    access.SetFieldInt(kTdatSlot, tdat::kRowCount, t.rowCount);
    for (int c = 0; c < int(t.columns.size()); ++c) {
        access.SetFieldInt(kTdatSlot, tdat::columnSize(c), t.columns[c].size);
        access.SetFieldText(kTdatSlot, tdat::columnTitle(c), t.columns[c].title);
    }
    for (int r = 1; r <= int(t.rowNames.size()); ++r) access.SetFieldText(kTdatSlot, tdat::rowName(r), t.rowNames[r - 1]);
}

}  // namespace

void WriteNewDefinitionRow(RecordAccess& access, const FieldDefinition& d, const TableConstruction* table) {
    Transaction tx(access.database(kFdisSlot));
    access.EnsureRecord(kFdisSlot, d.key);
    for (int field = fdis::kActive; field <= fdis::kColour; ++field) access.SetFieldText(kFdisSlot, field, rowValue(d, field));
    if (d.kind == FieldKind::Table && table) writeWholeTable(access, d.key, *table);
    WriteDefinition(access, d);  // the values that follow from the kind's fields
    tx.commit();
}

void RemoveDefinitionRows(RecordAccess& access, const FieldDefinition& d) {
    const auto address = parseDefinitionKey(d.key);
    if (!address) return;
    Transaction tx(access.database(kFdisSlot));
    for (int slot : {kFdisSlot, kTdatSlot, kHelpSlot}) access.DeleteRecord(slot, d.key);
    // Selection lists belong to text fields; other kinds share slot numbers with them.
    if (d.kind == FieldKind::Text)
        access.DeleteKeysWithPrefix(kSelcSlot, selectionListPrefix(address->listCode, address->page, d.slot),
                                    kSelectionPrefixLength);
    tx.commit();
}

void SetDefinitionActive(RecordAccess& access, const QString& key, bool active) {
    SetDefinitionInt(access, key, fdis::kActive, active ? 1 : 0);
}

void RestoreDeletedFields(RecordAccess& access, const QList<FieldDefinition>& definitions) {
    Transaction tx(access.database(kFdisSlot));
    for (const FieldDefinition& d : definitions)
        if (d.exists() && !d.active) SetDefinitionActive(access, d.key, true);
    tx.commit();
}

void SetDefinitionInt(RecordAccess& access, const QString& key, int field, int value) {
    if (access.FindRecord(kFdisSlot, key)) access.SetFieldInt(kFdisSlot, field, value);
}

void WriteLastAddedNumber(RecordAccess& access, const QString& listCode, int number) {
    if (access.FindRecord(kListSlot, listCode)) access.SetFieldInt(kListSlot, kLastAddedField, number);
}

}  // namespace vn
