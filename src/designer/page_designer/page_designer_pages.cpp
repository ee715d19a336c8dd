#include "designer/page_designer/page_designer.h"

#include "lists/definitions/definition_writer.h"
#include "designer/page_designer/designer_messages.h"
#include "designer/page_designer/page_rows.h"
#include "platform/prompter.h"

#include <algorithm>

namespace vn {

namespace {

QString defaultTitle(int page) { return QStringLiteral("Page %1").arg(page); }

}  // namespace

void PageDesigner::openPageTitle() {
    if (m_edit) return;
    const QString name = defaultTitle(m_view.page);
    const QString title = m_cache.pageTitle(m_view.page);
    m_view.pageTitleName = name;
    m_view.pageTitleText = title == name ? QString() : title;
    m_view.panel = DesignerPanel::PageTitle;
    m_focus = DesignerFocus::PageTitle;
    refreshView();
}

bool PageDesigner::leavePageTitle(const QString& text) {
    if (text.size() > kPageTitleLength) {
        warn(designer_messages::kPageTitleTooLong);
        m_view.pageTitleText.clear();
        m_focus = DesignerFocus::PageTitle;
        return false;
    }
    m_view.pageTitleText = text;
    return true;
}

void PageDesigner::confirmPageTitle(const QString& text) {
    if (m_view.panel != DesignerPanel::PageTitle || !leavePageTitle(text)) return;
    WritePageTitle(m_access, m_listCode, m_view.page, text.isEmpty() ? defaultTitle(m_view.page) : text);
    m_view.panel = m_listHasRecords ? DesignerPanel::DataNote : DesignerPanel::Options;
    load();
}

void PageDesigner::openHeaderVisibility() {
    if (m_edit) return;
    m_view.panel = m_listHasRecords ? DesignerPanel::DataNote : DesignerPanel::HeaderVisibility;
    refreshView();
}

void PageDesigner::closeHeaderVisibility() {
    if (m_view.panel == DesignerPanel::HeaderVisibility) showOptions();
}

void PageDesigner::closeDataNote() {
    if (m_view.panel == DesignerPanel::DataNote) showOptions();
}

void PageDesigner::copyPage(int fromPage) {
    const auto& buttons = m_view.copyButtons;
    const bool enabled = std::any_of(buttons.begin(), buttons.end(),
                                     [&](const CopyButton& b) { return b.page == fromPage && b.enabled; });
    if (m_edit || !enabled) return;
    CopyPageRows(m_access, m_listCode, fromPage, m_view.page);
    load();
    switchPage(m_view.page);
}

void PageDesigner::erasePage() {
    if (m_edit) return;
    m_prompter.beep();
    if (!confirmRemoval(m_prompter, m_access, m_listCode, designer_messages::kEraseCaution, Removal::Page)) return;
    ErasePageRows(m_access, m_listCode, m_view.page);
    load();
    showOptions();
}

void PageDesigner::exit() {
    if (m_edit) return;
    RewriteActiveDefinitions(m_access, m_cache);
    m_view.panel = DesignerPanel::None;
    refreshView();
}

}  // namespace vn
