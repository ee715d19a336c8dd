#pragma once

#include "lists/siblings/sibling_places.h"

#include <QString>

#include <array>
#include <optional>

namespace vn {

class RecordAccess;

// One choice of the "Link Header Fields to..." view: the code stored in List field 11.
struct HeaderLinkChoice {
    int code;
    const char* caption;
    std::optional<SiblingProduct> product;  // the sibling it reads from; none for 0 and 9
};
const std::array<HeaderLinkChoice, 6>& headerLinkChoices();

// The sibling data set from which a new record of the list takes its header fields.
class HeaderLink {
public:
    HeaderLink(RecordAccess& access, QString listCode, const SiblingPlaces& places);

    // The stored code; 0 when the list has none or one no choice has.
    int code() const;
    // A sibling's choice only while that product is present.
    bool enabled(int code) const;
    // Stored at once; a choice not enabled is refused.
    void choose(int code);

private:
    RecordAccess& m_access;
    QString m_listCode;
    SiblingPlaces m_places;
};

}  // namespace vn
