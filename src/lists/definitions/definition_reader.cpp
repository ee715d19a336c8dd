#include "lists/definitions/definition_reader.h"

#include "lists/definitions/definition_tables.h"
#include "store/access/record_access.h"

namespace vn {

namespace {

using namespace definition_tables;

bool flag(RecordAccess& access, int slot, int field) { return access.GetFieldInt(slot, field) == 1; }

void readPlacement(RecordAccess& access, FieldDefinition& d) {
    d.caption = access.GetFieldText(kFdisSlot, fdis::kCaption);
    d.top = access.GetFieldInt(kFdisSlot, fdis::kTop);
    d.left = access.GetFieldInt(kFdisSlot, fdis::kLeft);
    d.width = access.GetFieldInt(kFdisSlot, fdis::kWidth);
    d.height = access.GetFieldInt(kFdisSlot, fdis::kHeight);
    d.tabOrder = access.GetFieldInt(kFdisSlot, fdis::kTabOrder);
}

void readTextFieldRules(RecordAccess& access, FieldDefinition& d) {
    d.required = flag(access, kFdisSlot, fdis::kRequired);
    d.characterType = characterTypeFromCode(access.GetFieldInt(kFdisSlot, fdis::kCharacterType));
    d.hasList = flag(access, kFdisSlot, fdis::kHasList);
    d.listLocked = flag(access, kFdisSlot, fdis::kListLocked);
    d.readOnly = flag(access, kFdisSlot, fdis::kReadOnly);
    d.exclusive = flag(access, kFdisSlot, fdis::kExclusive);
    d.dataSet = access.GetFieldInt(kFdisSlot, fdis::kDataSet);
    d.dataSetField = access.GetFieldInt(kFdisSlot, fdis::kDataSetField);
}

void readButtons(RecordAccess& access, FieldDefinition& d) {
    d.buttonCount = access.GetFieldInt(kFdisSlot, fdis::kButtonCount);
    for (int n = 1; n <= FieldDefinition::kButtons; ++n)
        d.setButton(n, access.GetFieldText(kFdisSlot, fdis::kFirstButton + n - 1));
}

}  // namespace

std::optional<FieldDefinition> ReadDefinition(RecordAccess& access, const QString& key) {
    if (!access.FindRecord(kFdisSlot, key)) return std::nullopt;
    FieldDefinition d;
    d.key = key;
    d.active = flag(access, kFdisSlot, fdis::kActive);
    d.kind = fieldKindFromCode(access.GetFieldInt(kFdisSlot, fdis::kKind));
    d.slot = access.GetFieldInt(kFdisSlot, fdis::kSlot);
    readPlacement(access, d);
    readTextFieldRules(access, d);
    readButtons(access, d);
    d.size = access.GetFieldInt(kFdisSlot, fdis::kSize);
    d.fontSize = access.GetFieldInt(kFdisSlot, fdis::kFontSize);
    d.colour = access.GetFieldInt(kFdisSlot, fdis::kColour);
    return d;
}

std::optional<TableConstruction> ReadTableConstruction(RecordAccess& access, const QString& key) {
    if (!access.FindRecord(kTdatSlot, key)) return std::nullopt;
    TableConstruction t;
    t.name = access.GetFieldText(kTdatSlot, tdat::kName);
    t.columnCount = access.GetFieldInt(kTdatSlot, tdat::kColumnCount);
    t.rowCount = access.GetFieldInt(kTdatSlot, tdat::kRowCount);
    for (int c = 0; c < int(t.columns.size()); ++c) {
        t.columns[c].size = access.GetFieldInt(kTdatSlot, tdat::columnSize(c));
        t.columns[c].title = access.GetFieldText(kTdatSlot, tdat::columnTitle(c));
    }
    for (int r = 1; r <= int(t.rowNames.size()); ++r) t.rowNames[r - 1] = access.GetFieldText(kTdatSlot, tdat::rowName(r));
    return t;
}

bool HasHelpText(RecordAccess& access, const QString& key) { return !ReadHelpText(access, key).isEmpty(); }

QString ReadHelpText(RecordAccess& access, const QString& key) {
    return access.FindRecord(kHelpSlot, key) ? access.GetFieldText(kHelpSlot, help::kText) : QString();
}

}  // namespace vn
