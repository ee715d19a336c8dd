#include "designer/page_designer/page_designer.h"

#include "designer/page_designer/designer_messages.h"
#include "designer/page_designer/field_sizes.h"
#include "designer/page_designer/kind_traits.h"
#include "designer/page_designer/tab_order.h"
#include "lists/pages/page_geometry.h"
#include "platform/prompter.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

const FieldDefinition kNoRow;
const QString kRecordCodeFiller = QStringLiteral("XXXX");

}  // namespace

PageDesigner::PageDesigner(RecordAccess& access, Prompter& prompter, const QString& listCode,
                           const QString& officeCode, const TextMeasure& measure, bool listHasRecords)
    : m_access(access),
      m_prompter(prompter),
      m_measure(measure),
      m_listCode(LowerCaseText(listCode)),
      m_listHasRecords(listHasRecords) {
    m_view.recordCodeSample = m_listCode + officeCode + kRecordCodeFiller;
}

void PageDesigner::open() {
    m_edit.reset();
    m_view.page = 1;
    reloadTabOrder();
    showOptions();
}

void PageDesigner::switchPage(int page) {
    if (!m_view.pageButtonsEnabled || page < 1 || page > kPagesPerList) return;
    WriteTabOrder(m_access, m_cache, m_view.page);
    m_view.page = page;
    load();
    showOptions();
}

void PageDesigner::writeTabOrder() { reloadTabOrder(); }

void PageDesigner::load() {
    m_cache = LoadDefinitions(m_access, m_listCode);
    refreshView();
}

void PageDesigner::reloadTabOrder() {
    load();
    WriteTabOrder(m_access, m_cache, m_view.page);
    load();
}

void PageDesigner::showOptions() {
    m_view.panel = DesignerPanel::Options;
    refreshView();
}

void PageDesigner::refreshView() {
    refreshPageButtons();
    refreshCopyButtons();
    refreshPalette();
    refreshEditState();
    m_view.displayDeletedEnabled = m_cache.hasDeletedFields(m_view.page);
}

void PageDesigner::refreshPageButtons() {
    for (int p = 1; p <= kPagesPerList; ++p) m_view.pageButtons[p - 1] = {m_cache.pageTitle(p), p == m_view.page};
}

void PageDesigner::refreshEditState() {
    const bool editing = m_edit.has_value();
    const bool adding = editing && m_edit->adding;
    const bool placed = adding && m_edit->placed;
    const FieldDefinition& row = editedRow();
    const FieldInputs& in = m_view.inputs;
    m_view.kind = editing ? m_edit->kind : FieldKind::None;
    m_view.currentDefinition = editing ? m_edit->number : 0;
    m_view.highlighted = editing && !adding ? m_edit->number : 0;
    m_view.placeEnabled = adding && !placed && canPlace(m_edit->kind, in);
    m_view.cancelEnabled = placed;
    m_view.moveEnabled = row.exists() && (placed || !adding);
    m_view.resizeEnabled = m_view.moveEnabled && m_view.kind == FieldKind::Memo;
    m_view.selectionListEnabled = m_view.kind == FieldKind::Text && (in.standardList || in.exclusiveList);
    m_view.helpEnabled = kindTraits(m_view.kind).helpText;
    m_view.labelCharactersRemaining = m_view.kind == FieldKind::Label ? kLabelTextLength - int(in.name.size()) : 0;
    m_view.x = m_view.moveEnabled ? row.left : 0;
    m_view.y = m_view.moveEnabled ? row.top : 0;
    m_view.pageButtonsEnabled = m_view.fieldsEnabled = !editing;
    m_view.headerEnabled = m_view.menuEnabled = !adding;
}

const FieldDefinition& PageDesigner::editedRow() const {
    return m_edit ? m_cache.definition(m_view.page, m_edit->number) : kNoRow;
}

FieldDefinition PageDesigner::composeDefinition() const {
    const FieldEdit& e = *m_edit;
    FieldDefinition d = editedRow();
    if (!d.exists()) {
        d.key = definitionKey(m_listCode, m_view.page, e.number);
        d.active = true;
        d.kind = e.kind;
        d.slot = e.slot;
        const QPoint at = defaultPosition(e.kind);
        d.left = at.x();
        d.top = at.y();
        const QSize size = fieldSize(e.kind, m_view.inputs, m_measure);
        d.width = size.width();
        d.height = size.height();
        d.dataSet = e.dataSet;
        d.dataSetField = e.dataSetField;
    }
    applyInputs(d, m_view.inputs, m_measure);
    // A field that grew keeps inside the page.
    const QRect fitted = fitIntoPage(QRect(QPoint(d.left, d.top), movingExtent(d, composeTable())), bottomBound(d.kind));
    d.left = fitted.left();
    d.top = fitted.top();
    return d;
}

TableConstruction PageDesigner::composeTable() const { return tableFromInputs(m_view.inputs, m_measure); }

bool PageDesigner::acceptable(const FieldDefinition& d) {
    if (kindTraits(d.kind).uniqueCaption)
        for (const FieldDefinition& other : m_cache.pageDefinitions(m_view.page))
            if (other.active && other.kind == d.kind && other.key != d.key && other.caption == d.caption) {
                warn(designer_messages::kDuplicateName);
                m_focus = DesignerFocus::Name;
                return false;
            }
    if (d.kind == FieldKind::Table && tableColumnsWidth(composeTable()) > page::kTableMaxWidth) {
        warn(designer_messages::kTableTooWide);
        return false;
    }
    return true;
}

void PageDesigner::warn(const QString& text) {
    m_prompter.beep();
    m_prompter.warning(text, Buttons::Ok);
}

void PageDesigner::endEdit() {
    m_edit.reset();
    reloadTabOrder();
    showOptions();
}

}  // namespace vn
