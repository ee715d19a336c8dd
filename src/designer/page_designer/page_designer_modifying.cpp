#include "designer/page_designer/page_designer.h"

#include "lists/definitions/definition_writer.h"
#include "designer/page_designer/designer_messages.h"
#include "designer/page_designer/field_rows.h"
#include "designer/page_designer/kind_traits.h"

namespace vn {

void PageDesigner::select(int definitionNumber) {
    if (m_edit) return;
    const FieldDefinition& d = m_cache.definition(m_view.page, definitionNumber);
    if (!d.exists() || !d.active) return;
    m_edit = FieldEdit{.adding = false, .kind = d.kind, .number = definitionNumber, .slot = d.slot};
    m_view.inputs = inputsFromDefinition(d, m_cache.tableConstruction(m_view.page));
    m_view.panel = DesignerPanel::Modify;
    refreshView();
}

bool PageDesigner::modifying() const { return m_edit && !m_edit->adding; }

void PageDesigner::leaveNameOrSize() {
    if (modifying() && m_edit->kind == FieldKind::Text) writeModified();
}

void PageDesigner::confirmModify() {
    if (modifying() && writeModified()) endEdit();
}

bool PageDesigner::writeModified() {
    load();  // the selection list editor may have written the row's lock
    const FieldDefinition d = composeDefinition();
    if (!acceptable(d)) return false;
    const TableConstruction table = composeTable();
    WriteDefinition(m_access, d, &table);
    load();
    return true;
}

void PageDesigner::deleteField() {
    if (!modifying()) return;
    const FieldDefinition d = editedRow();
    const QString question = QString::fromLatin1(kindTraits(d.kind).deleteConfirmation);
    if (!confirmRemoval(m_prompter, m_access, m_listCode, question, Removal::Field)) return;
    SetDefinitionActive(m_access, d.key, false);
    endEdit();
}

void PageDesigner::displayDeletedFields() {
    if (m_edit || !m_cache.hasDeletedFields(m_view.page)) return;
    RestoreDeletedFields(m_access, m_cache.pageDefinitions(m_view.page));
    reloadTabOrder();
}

}  // namespace vn
