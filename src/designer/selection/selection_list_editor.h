#pragma once

#include "lists/definitions/selection_items.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

class Prompter;
class RecordAccess;

// The items of one text field's selection list as the designer edits them ("Enter List
// Contents.."): adding, deleting, reordering, locking and appending a default list. Every change
// is written to Selc (or the Fdis row) at once and the items read again.
class SelectionListEditor {
public:
    static constexpr int kItemLength = 90;

    // prefix: the field's Selc prefix; definitionKey: its Fdis row, which holds the lock.
    SelectionListEditor(RecordAccess& access, Prompter& prompter, const QString& prefix, const QString& definitionKey);

    void open();  // reads the items and the lock; nothing selected

    const QList<SelectionItem>& items() const { return m_items; }
    QStringList texts() const;
    int selected() const { return m_selected; }  // -1 for none
    bool locked() const { return m_locked; }
    bool canDelete() const { return m_selected >= 0; }
    bool canMoveUp() const { return m_selected > 0; }
    bool canMoveDown() const { return m_selected >= 0 && m_selected < m_items.size() - 1; }

    // The edit's text as it may stay: over 90 characters it is cut, with a beep and a warning.
    QString checkLength(const QString& text);
    // Appends the item at the end. An item already in the list stays where it is (beep); false
    // then and for an empty text.
    bool add(const QString& text);
    // Appends every text not yet in the list, in order ("Use Selected List").
    void append(const QStringList& texts);
    void select(int index);
    // Asks first; the positions close up. Nothing stays selected either way.
    void deleteSelected();
    void moveUp() { moveSelected(-1); }
    void moveDown() { moveSelected(1); }
    // Written into the definition's row at once, so entry sees it even before the field is
    // confirmed.
    void setLocked(bool locked);

private:
    void reload();
    bool contains(const QString& text) const;
    void appendItem(const QString& text);
    void moveSelected(int step);

    RecordAccess& m_access;
    Prompter& m_prompter;
    QString m_prefix;
    QString m_definitionKey;
    QList<SelectionItem> m_items;
    int m_selected = -1;
    bool m_locked = false;
};

}  // namespace vn
