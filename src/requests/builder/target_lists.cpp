#include "requests/builder/target_lists.h"

#include "lists/definitions/definition_keys.h"
#include "lists/definitions/selection_items.h"
#include "store/text/sort_buffer.h"

#include <algorithm>

namespace vn {

namespace {

// The compared part is the first 90 characters; the rest of a sort entry is payload.
constexpr int kSelectionPayload = 30;

QList<TargetEntry> sameTexts(const QStringList& texts) {
    QList<TargetEntry> entries;
    for (const QString& text : texts) entries.append({text, text});
    return entries;
}

}  // namespace

bool takesSeveralPicks(TargetInput input) {
    return input == TargetInput::TitleList || input == TargetInput::SuffixList || input == TargetInput::SelectionList;
}

QList<TargetEntry> fixedTargets(TargetInput input) {
    switch (input) {
    case TargetInput::TitleList: return sameTexts({QString(), "Mr.", "Mrs.", "Ms.", "Dr."});
    case TargetInput::SuffixList: return sameTexts({QString(), "Jr", "Sr", "Esq"});
    case TargetInput::CheckBoxList: return {{"UnChecked", "0"}, {"Checked", "1"}};
    default: return {};
    }
}

QList<TargetEntry> selectionTargets(const QStringList& items) {
    SortBuffer sorted;
    for (QString item : items) sorted.SortBufferPut(item, kSelectionPayload, true, true, false);
    QList<TargetEntry> entries{{QString(), QString()}};
    entries.append(sameTexts(sorted.entries()));
    return entries;
}

QStringList selectionItemTexts(RecordAccess& access, const QString& listCode, int page, int slot) {
    QList<SelectionItem> items = SelectionItems(access, selectionListPrefix(listCode, page, slot));
    std::stable_sort(items.begin(), items.end(),
                     [](const SelectionItem& a, const SelectionItem& b) { return a.key.toUtf8() < b.key.toUtf8(); });
    QStringList texts;
    for (const SelectionItem& item : items) texts << item.text;
    return texts;
}

}  // namespace vn
