#include "designer/page_designer/page_designer.h"

#include "lists/definitions/column_map.h"
#include "designer/page_designer/designer_messages.h"
#include "designer/page_designer/kind_traits.h"

#include <algorithm>

namespace vn {

// Numbers and slots are the highest in use on the page, counting the field being added before
// its row exists: handing one back needs no bookkeeping.
int PageDesigner::usedNumbers() const {
    int used = m_edit && m_edit->adding ? m_edit->number : 0;
    for (const FieldDefinition& d : m_cache.pageDefinitions(m_view.page)) used = std::max(used, d.number());
    return used;
}

int PageDesigner::usedSlots(FieldKind kind) const {
    int used = m_edit && m_edit->adding && m_edit->kind == kind ? m_edit->slot : 0;
    for (const FieldDefinition& d : m_cache.pageDefinitions(m_view.page))
        if (d.kind == kind) used = std::max(used, d.slot);
    return used;
}

int PageDesigner::remaining(FieldKind kind) const { return std::max(0, ColumnMap::capacity(kind) - usedSlots(kind)); }

void PageDesigner::refreshPalette() {
    for (int code = 1; code <= kFieldKindCount; ++code) {
        const auto kind = FieldKind(code);
        const int left = remaining(kind);
        m_view.palette[code - 1] = {paletteCaption(kind, left), left > 0};
    }
}

void PageDesigner::refreshCopyButtons() {
    const bool empty = m_cache.pageDefinitions(m_view.page).isEmpty();
    auto button = m_view.copyButtons.begin();
    for (int p = 1; p <= kPagesPerList; ++p) {
        if (p == m_view.page) continue;
        *button++ = {p, QStringLiteral("Copy Page %1").arg(p), empty && !m_cache.pageDefinitions(p).isEmpty()};
    }
}

void PageDesigner::showPalette() {
    if (m_edit) return;
    m_view.panel = DesignerPanel::Palette;
    refreshView();
}

void PageDesigner::closePalette() {
    if (m_view.panel == DesignerPanel::Palette) showOptions();
}

bool PageDesigner::add(FieldKind kind) {
    if (m_edit || ColumnMap::capacity(kind) == 0) return false;
    if (usedNumbers() >= ColumnMap::kDefinitionsPerPage) {
        warn(designer_messages::kPageFull);
        return false;
    }
    if (remaining(kind) == 0) return false;
    m_edit = FieldEdit{.adding = true, .kind = kind, .number = usedNumbers() + 1, .slot = usedSlots(kind) + 1};
    m_view.inputs = newFieldInputs(kind);
    m_view.panel = DesignerPanel::Add;
    m_focus = DesignerFocus::Name;
    refreshView();
    return true;
}

bool PageDesigner::addSiblingTextField(int dataSet, int dataSetField, const QString& name, int size) {
    if (!add(FieldKind::Text)) return false;
    m_edit->dataSet = dataSet;
    m_edit->dataSetField = dataSetField;
    FieldInputs inputs = m_view.inputs;
    inputs.name = name;
    inputs.size = size;
    inputs.characterType = CharacterType::Both;
    editInputs(inputs);
    return true;
}

}  // namespace vn
