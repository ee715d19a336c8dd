#pragma once

#include "entry/links/source_pick.h"

#include <array>
#include <utility>

namespace vn {

// The header link view without its widgets: the source choices, the source's records, the ten
// matching boxes of the record picked and what "Copy Header Data" takes into the header.
class HeaderLinkPick {
public:
    static constexpr int kBoxes = 10;
    static constexpr std::array<int, 4> kKinds = {1, 2, 5, 7};
    // The matching boxes: captions and the Head fields they stand for, in order.
    static const std::array<const char*, kBoxes>& boxCaptions();
    static const std::array<int, kBoxes>& boxFields();
    static const char* kindCaption(int kind);  // "Grovanta! Members Data", ...

    explicit HeaderLinkPick(SiblingPlaces places);

    // Whether a list with header link code `listKind` offers the view at all: a kind whose product
    // is installed, or "user selectable" (9) with any sibling installed.
    static bool offered(int listKind, const SiblingPlaces& places);
    bool sourceEnabled(int kind) const;

    // Starts the view for the list's code: a fixed kind is chosen and listed by id, 9 chooses
    // none. False for a list without header link.
    bool start(int listKind);
    // Chooses a source kind and lists it in the current order; false when it cannot be read.
    bool chooseSource(int kind);
    void setOrder(SiblingOrder order) { m_pick.setOrder(order); }
    // Picks the record at `row`: fills the matching boxes and enables copying. False, changing
    // nothing, for a row without entry or with a key a record cannot keep (`refusal` says why).
    bool choose(int row, QString& refusal);
    // The header values the picked record gives, only the fields the kind's map reads; copying
    // is disabled afterwards. Empty when the record is gone meanwhile.
    QList<std::pair<int, QString>> copy();

    const SourcePick& pick() const { return m_pick; }
    int kind() const { return m_pick.source(); }
    int chosenKind() const { return m_chosenKind; }
    const QString& chosenKey() const { return m_chosenKey; }
    const std::array<QString, kBoxes>& boxes() const { return m_boxes; }
    bool copyEnabled() const { return m_copyEnabled; }

private:
    void reset();

    SourcePick m_pick;
    SiblingPlaces m_places;
    int m_chosenKind = 0;
    QString m_chosenKey;
    std::array<QString, kBoxes> m_boxes;
    bool m_copyEnabled = false;
};

}  // namespace vn
