#include "designer/selection/selection_list_editor.h"

#include "lists/definitions/definition_tables.h"
#include "designer/selection/selection_messages.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

namespace vn {

namespace {

constexpr int kPositionField = 1;

}  // namespace

SelectionListEditor::SelectionListEditor(RecordAccess& access, Prompter& prompter, const QString& prefix,
                                         const QString& definitionKey)
    : m_access(access), m_prompter(prompter), m_prefix(prefix), m_definitionKey(definitionKey) {}

void SelectionListEditor::open() {
    m_locked = m_access.FindRecord(kFdisSlot, m_definitionKey) &&
               m_access.GetFieldInt(kFdisSlot, definition_tables::fdis::kListLocked) != 0;
    m_selected = -1;
    reload();
}

QStringList SelectionListEditor::texts() const {
    QStringList all;
    for (const SelectionItem& item : m_items) all << item.text;
    return all;
}

QString SelectionListEditor::checkLength(const QString& text) {
    if (text.size() <= kItemLength) return text;
    m_prompter.beep();
    m_prompter.warning(selection_messages::kItemTooLong);
    return text.left(kItemLength);
}

bool SelectionListEditor::add(const QString& text) {
    if (text.isEmpty()) return false;
    if (contains(text)) {
        m_prompter.beep();
        return false;
    }
    appendItem(text.left(kItemLength));
    m_selected = -1;
    reload();
    return true;
}

void SelectionListEditor::append(const QStringList& texts) {
    for (const QString& text : texts) {
        if (text.isEmpty() || contains(text)) continue;
        appendItem(text.left(kItemLength));
        reload();
    }
    m_selected = -1;
}

void SelectionListEditor::select(int index) { m_selected = index >= 0 && index < m_items.size() ? index : -1; }

void SelectionListEditor::deleteSelected() {
    if (m_selected < 0) return;
    const QString key = m_items[m_selected].key;
    m_selected = -1;
    m_prompter.beep();
    if (m_prompter.confirmation(selection_messages::kConfirmDeleteItem, Buttons::OkNo) != Answer::Ok) return;
    m_access.DeleteRecord(kSelcSlot, key);
    RenumberSelectionItems(m_access, m_prefix);
    reload();
}

void SelectionListEditor::setLocked(bool locked) {
    if (!m_access.FindRecord(kFdisSlot, m_definitionKey)) return;
    m_access.SetFieldInt(kFdisSlot, definition_tables::fdis::kListLocked, locked ? 1 : 0);
    m_locked = locked;
}

void SelectionListEditor::reload() { m_items = SelectionItems(m_access, m_prefix); }

bool SelectionListEditor::contains(const QString& text) const {
    for (const SelectionItem& item : m_items)
        if (item.text == text.left(kItemLength)) return true;
    return false;
}

// Positions are made gapless first, so n is always past the last item.
void SelectionListEditor::appendItem(const QString& text) {
    RenumberSelectionItems(m_access, m_prefix);
    const qsizetype last = m_items.size();
    m_access.EnsureRecord(kSelcSlot, m_prefix + text);
    m_access.SetFieldInt(kSelcSlot, kPositionField, last);
}

// Stored positions may have gaps or repeats (items made at entry have none); swapping two of them
// is only right once they are 0..n-1 in the order shown.
void SelectionListEditor::moveSelected(int step) {
    const int target = m_selected + step;
    if (m_selected < 0 || target < 0 || target >= m_items.size()) return;
    RenumberSelectionItems(m_access, m_prefix);
    const QString moved = m_items[m_selected].key;
    const QString other = m_items[target].key;
    if (m_access.FindRecord(kSelcSlot, moved)) m_access.SetFieldInt(kSelcSlot, kPositionField, target);
    if (m_access.FindRecord(kSelcSlot, other)) m_access.SetFieldInt(kSelcSlot, kPositionField, m_selected);
    reload();
    m_selected = target;
}

}  // namespace vn
