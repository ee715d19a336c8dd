#include "designer/siblings/header_link.h"

#include "lists/definitions/field_kind.h"
#include "lists/definitions/list_fields.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

#include <algorithm>

namespace vn {

const std::array<HeaderLinkChoice, 6>& headerLinkChoices() {
    using P = SiblingProduct;
    static const std::array<HeaderLinkChoice, 6> choices{{
        {int(HeaderLinkCode::None), "Remove/No Header Link", std::nullopt},
        {int(HeaderLinkCode::GrovantaMembers), "Grovanta! Members Data", P::Grovanta},
        {int(HeaderLinkCode::GrovantaLeaders), "Grovanta! Leaders Data", P::Grovanta},
        {int(HeaderLinkCode::PaviloExhibitors), "Pavilo! Exhibitors Data", P::Pavilo},
        {int(HeaderLinkCode::KovraStaff), "KOVRA Staff Data", P::Kovra},
        {int(HeaderLinkCode::UserSelectable), "User Selectable Data", std::nullopt},
    }};
    return choices;
}

HeaderLink::HeaderLink(RecordAccess& access, QString listCode, const SiblingPlaces& places)
    : m_access(access), m_listCode(std::move(listCode)), m_places(places) {}

int HeaderLink::code() const {
    if (!m_access.FindRecord(kListSlot, m_listCode)) return 0;
    return int(headerLinkFromCode(m_access.GetFieldInt(kListSlot, list_field::kHeaderLinkCode)));
}

bool HeaderLink::enabled(int code) const {
    const auto& choices = headerLinkChoices();
    const auto choice = std::find_if(choices.begin(), choices.end(), [code](const HeaderLinkChoice& c) { return c.code == code; });
    return choice != choices.end() && (!choice->product || m_places.present(*choice->product));
}

void HeaderLink::choose(int code) {
    if (!enabled(code) || !m_access.FindRecord(kListSlot, m_listCode)) return;
    m_access.SetFieldInt(kListSlot, list_field::kHeaderLinkCode, code);
}

}  // namespace vn
