#pragma once

#include "lists/siblings/sibling_places.h"

#include <QList>
#include <QString>

namespace vn {

class PageDesigner;
class Prompter;

struct SiblingSetButton {
    int set = 0;  // 1..8
    QString caption;  // "Members"
    bool enabled = false;
};

// The set buttons of one product under its name ("Grovanta!").
struct SiblingSetGroup {
    QString title;
    QList<SiblingSetButton> buttons;
};

// The eight set buttons by product, each enabled by its product's presence.
QList<SiblingSetGroup> siblingSetGroups(const SiblingPlaces& places);

// A field of a set's table as it is offered.
struct SiblingField {
    int number = 0;  // in the set's table
    QString name;
    int size = 0;  // characters, at most a page text field's
};

// The "List Fields From..." view: the data sets of the sibling products present, the fields of a
// chosen set's table (data set 1), and a chosen field started as a new text field. The key
// (field 0) is not offered: a record's key is what links it, and field 0 means "no field".
class SiblingFieldList {
public:
    explicit SiblingFieldList(Prompter& prompter);

    // No set chosen; each set button enabled by its product's presence.
    void open(const SiblingPlaces& places);
    QList<SiblingSetGroup> groups() const { return siblingSetGroups(m_places); }

    // The set's fields read from its table; a table that cannot be read is named in a warning and
    // the list stays empty. Shows the field list.
    void chooseSet(int set);
    void returnToSets();  // the field list's "Return"
    bool showingFields() const { return m_set != 0; }
    QString caption() const;  // "Grovanta Member Fields"
    const QList<SiblingField>& fields() const { return m_fields; }
    // Says that fields wider than a page text field are offered at its width; empty when none is.
    QString note() const;

    // Starts adding the chosen field as a text field of its name and size. False when refused.
    bool chooseField(PageDesigner& designer, int number) const;

private:
    Prompter& m_prompter;
    SiblingPlaces m_places;
    int m_set = 0;
    QList<SiblingField> m_fields;
    bool m_cut = false;
};

}  // namespace vn
