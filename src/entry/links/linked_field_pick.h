#pragma once

#include "entry/links/source_pick.h"

namespace vn {

struct FieldDefinition;

// The linked-field view without its widgets: the field's source listed, the record picked and
// the contents it gives the field.
class LinkedFieldPick {
public:
    explicit LinkedFieldPick(SiblingPlaces places);

    // Starts for a linked page text field (linkedSourceOf > 0), listed by id; false when the
    // source cannot be read (the texts are shown all the same).
    bool start(const FieldDefinition& definition);
    void setOrder(SiblingOrder order) { m_pick.setOrder(order); }
    // Picks the record at `row` and shows its field in "Contents:"; false, changing nothing, for
    // a row without entry or a key a record cannot keep (`refusal` says why).
    bool choose(int row, QString& refusal);

    const SourcePick& pick() const { return m_pick; }
    SourcePick& pick() { return m_pick; }
    QString dataSystem() const;
    QString dataFile() const;
    const QString& fieldName() const { return m_fieldName; }
    const QString& contents() const { return m_contents; }
    // The key picked; empty while none is.
    const QString& chosenKey() const { return m_chosenKey; }

private:
    SourcePick m_pick;
    int m_field = 0;
    QString m_fieldName;
    QString m_contents;
    QString m_chosenKey;
};

}  // namespace vn
