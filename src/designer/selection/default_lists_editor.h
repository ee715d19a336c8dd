#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

class Prompter;
class RecordAccess;

struct DefaultListItem {
    QString key;  // Dsli: list number as two digits + item number as three digits
    QString text;
};

// The items of default list `list` in key order.
QList<DefaultListItem> DefaultListItems(RecordAccess& access, int list);
QStringList DefaultListTexts(RecordAccess& access, int list);

// Fills list 02 with the counties ("code  name", items 001, 002, ...) unless it holds an item
// already: done once, so what the administrator changes later stays.
void FillCountyList(RecordAccess& access);

// The window's default lists view ("Default (Canned) Item Selection Lists..."): shows one list
// at a time; lists 14 to 20 can be added to and removed from.
class DefaultLists {
public:
    static constexpr int kLastItemNumber = 999;

    DefaultLists(RecordAccess& access, Prompter& prompter);

    // Nothing chosen; with Grovanta present the county list is filled first.
    void open(bool grovantaPresent);
    void choose(int list);

    int list() const { return m_list; }  // 0 before a list is chosen
    bool editable() const;  // lists 14 to 20
    const QList<DefaultListItem>& items() const { return m_items; }
    int selected() const { return m_selected; }

    // False, with nothing written, for an empty text, a list that is not editable, or a list
    // whose item number 999 is taken (with a warning).
    bool add(const QString& text);
    // Only items of editable lists can be selected; false otherwise.
    bool select(int index);
    // Asks first; nothing stays selected either way.
    void removeSelected();

private:
    void reload();
    int nextItemNumber() const;

    RecordAccess& m_access;
    Prompter& m_prompter;
    int m_list = 0;
    QList<DefaultListItem> m_items;
    int m_selected = -1;
};

}  // namespace vn
