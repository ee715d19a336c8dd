#include "designer/selection/default_lists_editor.h"

#include "lists/definitions/default_lists.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"
#include "designer/selection/selection_messages.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kListDigits = 2;
constexpr int kCountyCodeField = 0;
constexpr int kCountyNameField = 2;

}  // namespace

QList<DefaultListItem> DefaultListItems(RecordAccess& access, int list) {
    QList<DefaultListItem> items;
    for (const QString& key : access.KeysWithPrefix(kDsliSlot, defaultListPrefix(list))) {
        if (!access.FindRecord(kDsliSlot, key)) continue;
        items.append({key, access.GetFieldText(kDsliSlot, definition_tables::dsli::kItem)});
    }
    return items;
}

QStringList DefaultListTexts(RecordAccess& access, int list) {
    QStringList texts;
    for (const DefaultListItem& item : DefaultListItems(access, list)) texts << item.text;
    return texts;
}

void FillCountyList(RecordAccess& access) {
    if (!access.KeysWithPrefix(kDsliSlot, defaultListPrefix(kCountiesList)).isEmpty()) return;
    Transaction transaction(access.database(kDsliSlot));
    int item = 0;
    access.BeginScan(kCountySlot);
    while (item < DefaultLists::kLastItemNumber && access.GetNextRec(kCountySlot)) {
        const QString text = access.GetFieldText(kCountySlot, kCountyCodeField) + QStringLiteral("  ") +
                             access.GetFieldText(kCountySlot, kCountyNameField);
        access.EnsureRecord(kDsliSlot, defaultListItemKey(kCountiesList, ++item));
        access.SetFieldText(kDsliSlot, definition_tables::dsli::kItem, text);
    }
    transaction.commit();
}

DefaultLists::DefaultLists(RecordAccess& access, Prompter& prompter) : m_access(access), m_prompter(prompter) {}

void DefaultLists::open(bool grovantaPresent) {
    if (grovantaPresent) FillCountyList(m_access);
    m_list = 0;
    m_items.clear();
    m_selected = -1;
}

void DefaultLists::choose(int list) {
    m_list = list >= 1 && list <= kDefaultListCount ? list : 0;
    m_selected = -1;
    reload();
}

bool DefaultLists::editable() const { return isUserDefinedList(m_list); }

bool DefaultLists::add(const QString& text) {
    if (text.isEmpty() || !editable()) return false;
    const int number = nextItemNumber();
    if (number > kLastItemNumber) {
        m_prompter.beep();
        m_prompter.warning(selection_messages::kDefaultListFull);
        return false;
    }
    m_access.EnsureRecord(kDsliSlot, defaultListItemKey(m_list, number));
    m_access.SetFieldText(kDsliSlot, definition_tables::dsli::kItem, text.left(kDefaultItemLength));
    m_selected = -1;
    reload();
    return true;
}

bool DefaultLists::select(int index) {
    m_selected = editable() && index >= 0 && index < m_items.size() ? index : -1;
    return m_selected >= 0;
}

void DefaultLists::removeSelected() {
    if (m_selected < 0) return;
    const QString key = m_items[m_selected].key;
    m_selected = -1;
    if (m_prompter.confirmation(selection_messages::kConfirmRemoveDefaultItem, Buttons::OkNo) != Answer::Ok) return;
    m_access.DeleteRecord(kDsliSlot, key);
    reload();
}

void DefaultLists::reload() { m_items = m_list ? DefaultListItems(m_access, m_list) : QList<DefaultListItem>{}; }

// One above the highest item number in use, so items keep the order they were added in.
int DefaultLists::nextItemNumber() const {
    int highest = -1;
    for (const DefaultListItem& item : m_items) {
        bool ok = false;
        const int number = item.key.mid(kListDigits).toInt(&ok);
        if (ok) highest = std::max(highest, number);
    }
    return highest + 1;
}

}  // namespace vn
