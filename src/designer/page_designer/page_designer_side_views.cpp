#include "designer/page_designer/page_designer.h"

#include "designer/page_designer/kind_traits.h"

namespace vn {

bool PageDesigner::openFieldHelp() {
    if (!m_edit || !kindTraits(m_edit->kind).helpText) return false;
    if (m_view.panel != DesignerPanel::Add && m_view.panel != DesignerPanel::Modify) return false;
    if (m_edit->adding && !ensureRow()) return false;
    m_view.panel = DesignerPanel::FieldHelp;
    refreshView();
    return true;
}

void PageDesigner::closeFieldHelp() {
    if (m_view.panel != DesignerPanel::FieldHelp || !m_edit) return;
    m_view.panel = m_edit->adding ? DesignerPanel::Add : DesignerPanel::Modify;
    refreshView();
}

void PageDesigner::openOptionView(DesignerPanel panel) {
    if (m_edit || m_view.panel != DesignerPanel::Options) return;
    if (panel != DesignerPanel::SiblingFields && panel != DesignerPanel::HeaderLink) return;
    m_view.panel = panel;
    refreshView();
}

void PageDesigner::closeOptionView() {
    if (m_view.panel == DesignerPanel::SiblingFields || m_view.panel == DesignerPanel::HeaderLink) showOptions();
}

}  // namespace vn
