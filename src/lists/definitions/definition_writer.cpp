#include "lists/definitions/definition_writer.h"

#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

#include <algorithm>
#include <variant>
#include <vector>

namespace vn {

namespace {

using namespace definition_tables;
using namespace definition_tables::fdis;

constexpr int kMinimumCheckBoxWidth = 10;  // characters a report gives a check box
constexpr int kLinkReportWidth = 2;

std::vector<int> buttonFields() {
    std::vector<int> fields;
    for (int n = 0; n < FieldDefinition::kButtons; ++n) fields.push_back(kFirstButton + n);
    return fields;
}

std::vector<int> concat(std::vector<int> head, const std::vector<int>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The Fdis fields each kind owns. Tab order, kind, slot and the sibling source are written when
// the field is created or the page's tab order is computed, never here.
const std::vector<int>& fieldsOf(FieldKind kind) {
    static const std::vector<int> none;
    static const std::vector<int> text{kCaption, kTop, kLeft, kWidth, kHeight, kRequired, kReadOnly,
                                       kCharacterType, kHasList, kExclusive, kListLocked, kSize};
    static const std::vector<int> memo{kCaption, kTop, kLeft, kWidth, kHeight};
    static const std::vector<int> checkBox{kCaption, kTop, kLeft, kWidth, kSize};
    static const std::vector<int> radio =
        concat(concat({kCaption, kTop, kLeft, kWidth, kHeight, kButtonCount}, buttonFields()), {kSize});
    static const std::vector<int> label{kCaption, kTop, kLeft, kWidth, kSize, kFontSize, kColour};
    static const std::vector<int> table{kTop, kLeft};
    switch (kind) {
    case FieldKind::Text: return text;
    case FieldKind::Memo: return memo;
    case FieldKind::CheckBox: return checkBox;
    case FieldKind::RadioGroup: return radio;
    case FieldKind::Label:
    case FieldKind::Link: return label;
    case FieldKind::Table: return table;
    case FieldKind::None: break;
    }
    return none;
}

int longestButton(const FieldDefinition& d) {
    qsizetype longest = 0;
    for (const QString& caption : d.buttons) longest = std::max(longest, caption.size());
    return int(longest);
}

// Field 27, which for some kinds follows from the other fields.
int reportWidth(const FieldDefinition& d) {
    switch (d.kind) {
    case FieldKind::CheckBox: return std::max(int(d.caption.size()), kMinimumCheckBoxWidth);
    case FieldKind::RadioGroup: return longestButton(d);
    case FieldKind::Link: return kLinkReportWidth;
    default: return d.size;
    }
}

using Value = std::variant<QString, qint64>;

Value valueOf(const FieldDefinition& d, int field) {
    if (field >= kFirstButton && field < kFirstButton + FieldDefinition::kButtons) return d.buttons[field - kFirstButton];
    switch (field) {
    case kCaption: return d.caption;
    case kTop: return qint64(d.top);
    case kLeft: return qint64(d.left);
    case kWidth: return qint64(d.width);
    case kHeight: return qint64(d.height);
    case kRequired: return qint64(d.required);
    case kReadOnly: return qint64(d.readOnly);
    case kCharacterType: return qint64(d.characterType);
    case kHasList: return qint64(d.hasList || d.exclusive);
    case kExclusive: return qint64(d.exclusive);
    case kListLocked: return qint64(d.listLocked);
    case kButtonCount: return qint64(d.shownButtons().size());
    case kSize: return qint64(reportWidth(d));
    case kFontSize: return qint64(d.fontSize);
    case kColour: return qint64(d.colour);
    }
    return qint64(0);
}

void writeField(RecordAccess& access, int slot, int field, const Value& value) {
    if (const auto* text = std::get_if<QString>(&value)) access.SetFieldText(slot, field, *text);
    else access.SetFieldInt(slot, field, std::get<qint64>(value));
}

void writeTable(RecordAccess& access, const QString& key, const TableConstruction& t) {
    access.EnsureRecord(kTdatSlot, key);
    access.SetFieldText(kTdatSlot, tdat::kName, t.name);
    access.SetFieldInt(kTdatSlot, tdat::kColumnCount, t.columnCount);
    access.SetFieldInt(kTdatSlot, tdat::kRowCount, t.rowCount);
    const int columns = std::clamp(t.columnCount, 0, int(t.columns.size()) - 1);
    for (int c = 0; c <= columns; ++c) {
        access.SetFieldInt(kTdatSlot, tdat::columnSize(c), t.columns[c].size);
        access.SetFieldText(kTdatSlot, tdat::columnTitle(c), t.columns[c].title);
    }
    const int rows = std::clamp(t.rowCount, 0, int(t.rowNames.size()));
    for (int r = 1; r <= rows; ++r) access.SetFieldText(kTdatSlot, tdat::rowName(r), t.rowNames[r - 1]);
}

}  // namespace

bool WriteDefinition(RecordAccess& access, const FieldDefinition& definition, const TableConstruction* table) {
    if (!definition.exists()) return false;
    Transaction tx(access.database(kFdisSlot));
    if (!access.FindRecord(kFdisSlot, definition.key)) return false;
    for (int field : fieldsOf(definition.kind)) writeField(access, kFdisSlot, field, valueOf(definition, field));
    if (definition.kind == FieldKind::Table && table) writeTable(access, definition.key, *table);
    tx.commit();
    return true;
}

bool CreateDefinition(RecordAccess& access, const FieldDefinition& definition) {
    const auto address = parseDefinitionKey(definition.key);
    if (!address || address->number == 0) return false;
    Transaction tx(access.database(kFdisSlot));
    access.EnsureRecord(kFdisSlot, definition.key);
    access.SetFieldInt(kFdisSlot, kActive, 1);
    access.SetFieldInt(kFdisSlot, kKind, int(definition.kind));
    access.SetFieldInt(kFdisSlot, kSlot, definition.slot);
    access.SetFieldInt(kFdisSlot, kDataSet, definition.dataSet);
    access.SetFieldInt(kFdisSlot, kDataSetField, definition.dataSetField);
    tx.commit();
    return true;
}

bool WritePageTitle(RecordAccess& access, const QString& listCode, int page, const QString& title) {
    if (page < 1 || page > kPagesPerList) return false;
    Transaction tx(access.database(kFdisSlot));
    access.EnsureRecord(kFdisSlot, pageTitleKey(listCode, page));
    for (int field : {kActive, kKind, kSlot}) access.SetFieldInt(kFdisSlot, field, 0);
    access.SetFieldText(kFdisSlot, kCaption, title.left(kPageTitleLength));
    tx.commit();
    return true;
}

}  // namespace vn
