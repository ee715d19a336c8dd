#include "lists/pages/field_order.h"

#include <QSet>
#include <tuple>
#include <algorithm>

namespace vn {

namespace {

using Kind = LayoutItem::Kind;

constexpr int kRowWeight = 1000;  // lower on the page comes later, whatever the left

int readingPosition(QPoint topLeft) { return topLeft.y() * kRowWeight + topLeft.x(); }

// Sorts the indexes by (group, key); equal ones keep their layout order.
struct Ranked {
    int group;
    int key;
    int index;
};

QList<int> ranked(QList<Ranked> entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Ranked& a, const Ranked& b) { return std::tie(a.group, a.key) < std::tie(b.group, b.key); });
    QList<int> order;
    for (const Ranked& e : entries) order << e.index;
    return order;
}

}  // namespace

QList<int> focusOrder(const QList<LayoutItem>& items) {
    QList<Ranked> entries;
    for (int i = 0; i < items.size(); ++i) {
        const LayoutItem& item = items[i];
        switch (item.kind) {
        case Kind::TextBox:
            if (item.tabOrder > 0) entries.append({0, item.tabOrder, i});
            else entries.append({2, readingPosition(item.rect.topLeft()), i});
            break;
        case Kind::TableCell: entries.append({1, item.tabOrder, i}); break;
        case Kind::MemoBox:
        case Kind::CheckBox:
        case Kind::RadioButton: entries.append({2, readingPosition(item.rect.topLeft()), i}); break;
        default: break;
        }
    }
    return ranked(entries);
}

QList<int> fieldsInReadingOrder(const QList<LayoutItem>& items) {
    QList<Ranked> entries;
    QSet<int> seen;
    for (int i = 0; i < items.size(); ++i) {
        const LayoutItem& item = items[i];
        // A field is where its first part below the caption is: a text box, not the words above it.
        if (item.kind == Kind::Caption || seen.contains(item.definitionNumber)) continue;
        seen.insert(item.definitionNumber);
        entries.append({0, readingPosition(item.rect.topLeft()), i});
    }
    QList<int> numbers;
    for (int index : ranked(entries)) numbers << items[index].definitionNumber;
    return numbers;
}

QRect fieldBounds(const QList<LayoutItem>& items, int definitionNumber) {
    QRect bounds;
    for (const LayoutItem& item : items)
        if (item.definitionNumber == definitionNumber) bounds |= item.rect;
    return bounds;
}

}  // namespace vn
