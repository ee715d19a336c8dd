#include "designer/page_designer/page_designer.h"

#include "lists/definitions/definition_tables.h"
#include "designer/page_designer/field_rows.h"
#include "designer/page_designer/field_sizes.h"
#include "platform/prompter.h"

namespace vn {

using namespace definition_tables;

void PageDesigner::move(MoveDirection direction) {
    if (!m_view.moveEnabled) return;
    const FieldDefinition& row = editedRow();
    const QRect from(QPoint(row.left, row.top), movingExtent(row, m_cache.tableConstruction(m_view.page)));
    const MoveStep step = moveStep(from, direction, bottomBound(row.kind));
    if (step.atBound) m_prompter.beep();
    if (step.field.top() != from.top()) SetDefinitionInt(m_access, row.key, fdis::kTop, step.field.top());
    if (step.field.left() != from.left()) SetDefinitionInt(m_access, row.key, fdis::kLeft, step.field.left());
    if (step.field != from) load();
}

void PageDesigner::resizeMemo(MemoResize step) {
    if (!m_view.resizeEnabled) return;
    const FieldDefinition& row = editedRow();
    const auto resized = resizedMemo(QRect(row.left, row.top, row.width, row.height), step);
    if (!resized) {
        m_prompter.beep();
        return;
    }
    SetDefinitionInt(m_access, row.key, fdis::kWidth, resized->width());
    SetDefinitionInt(m_access, row.key, fdis::kHeight, resized->height());
    load();
}

}  // namespace vn
