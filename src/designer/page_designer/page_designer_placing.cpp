#include "designer/page_designer/page_designer.h"

#include "lists/definitions/definition_writer.h"
#include "designer/page_designer/designer_messages.h"
#include "designer/page_designer/field_rows.h"

namespace vn {

void PageDesigner::editInputs(const FieldInputs& inputs) {
    if (!m_edit) return;
    CheckedInputs checked = checkInputs(m_edit->kind, m_view.inputs, inputs, m_measure);
    m_view.inputs = std::move(checked.inputs);
    if (checked.notice == InputNotice::TooWide) warn(designer_messages::kTooWide);
    if (checked.notice == InputNotice::TableTooWide) warn(designer_messages::kTableTooWide);
    refreshView();
}

void PageDesigner::place() {
    if (!m_view.placeEnabled) return;
    load();  // the selection list editor may have written the row's lock
    const FieldDefinition d = composeDefinition();
    if (!acceptable(d)) return;
    const TableConstruction table = composeTable();
    if (editedRow().exists()) WriteDefinition(m_access, d, &table);
    else createRow(d);
    m_edit->placed = true;
    reloadTabOrder();
}

bool PageDesigner::ensureRow() {
    if (!m_edit) return false;
    if (editedRow().exists()) return true;
    const FieldDefinition d = composeDefinition();
    if (!acceptable(d)) return false;
    createRow(d);
    reloadTabOrder();
    return true;
}

void PageDesigner::createRow(const FieldDefinition& d) {
    const TableConstruction table = composeTable();
    WriteNewDefinitionRow(m_access, d, &table);
    WriteLastAddedNumber(m_access, m_listCode, m_edit->number);
}

void PageDesigner::continueAdd() {
    if (!m_edit || !m_edit->adding) return;
    if (m_edit->placed) {
        load();
        const FieldDefinition d = composeDefinition();
        if (!acceptable(d)) return;
        const TableConstruction table = composeTable();
        WriteDefinition(m_access, d, &table);
    }
    // Without a row the number and slot go back by themselves: they are counted from the rows.
    endEdit();
}

void PageDesigner::cancelAdd() {
    if (!m_view.cancelEnabled) return;
    RemoveDefinitionRows(m_access, editedRow());
    endEdit();
}

}  // namespace vn
