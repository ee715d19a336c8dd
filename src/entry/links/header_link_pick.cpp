#include "entry/links/header_link_pick.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kUserSelectable = 9;

bool isKind(int kind) { return std::find(HeaderLinkPick::kKinds.begin(), HeaderLinkPick::kKinds.end(), kind) != HeaderLinkPick::kKinds.end(); }

}  // namespace

const std::array<const char*, HeaderLinkPick::kBoxes>& HeaderLinkPick::boxCaptions() {
    // Our sources keep the address lines where the map reads them, so the boxes say so.
    static const std::array<const char*, kBoxes> captions = {"First",      "M.I.",  "Last",      "Home Phone", "Work Phone",
                                                             "Email",      "Address 1", "Address 2", "State", "Zip"};
    return captions;
}

const std::array<int, HeaderLinkPick::kBoxes>& HeaderLinkPick::boxFields() {
    using namespace head_field;
    static const std::array<int, kBoxes> fields = {kFirst, kMiddle,  kLast,     kHomePhone, kWorkPhone,
                                                   kEmail, kAddress1, kAddress2, kState,     kZip};
    return fields;
}

const char* HeaderLinkPick::kindCaption(int kind) {
    switch (kind) {
    case 1: return "Grovanta! Members Data";
    case 2: return "Grovanta! Leaders Data";
    case 5: return "Pavilo Exhibitors Data";
    case 7: return "KOVRA Staff Data";
    }
    return "";
}

HeaderLinkPick::HeaderLinkPick(SiblingPlaces places) : m_pick(places), m_places(std::move(places)) {}

bool HeaderLinkPick::offered(int listKind, const SiblingPlaces& places) {
    if (listKind == kUserSelectable) return places.anyPresent();
    return isKind(listKind) && places.present(siblingSource(listKind)->product);
}

bool HeaderLinkPick::sourceEnabled(int kind) const {
    return isKind(kind) && m_places.present(siblingSource(kind)->product);
}

void HeaderLinkPick::reset() {
    m_chosenKind = 0;
    m_chosenKey.clear();
    m_boxes.fill(QString());
    m_copyEnabled = false;
}

bool HeaderLinkPick::start(int listKind) {
    if (!isKind(listKind) && listKind != kUserSelectable) return false;
    reset();
    m_pick.clear();
    m_pick.setOrder(SiblingOrder::ById);
    if (isKind(listKind)) chooseSource(listKind);
    return true;
}

bool HeaderLinkPick::chooseSource(int kind) {
    if (!sourceEnabled(kind)) return false;
    m_copyEnabled = false;
    return m_pick.open(kind);
}

bool HeaderLinkPick::choose(int row, QString& refusal) {
    const auto entry = m_pick.entryAt(row, refusal);
    if (!entry) return false;
    reset();
    m_chosenKind = m_pick.source();
    m_chosenKey = entry->key;
    m_copyEnabled = true;
    const auto values = m_pick.resolver().header(m_chosenKind, m_chosenKey);
    for (const auto& [field, value] : values.value_or(QList<std::pair<int, QString>>())) {
        const auto at = std::find(boxFields().begin(), boxFields().end(), field);
        if (at != boxFields().end()) m_boxes[std::size_t(at - boxFields().begin())] = value;
    }
    return true;
}

QList<std::pair<int, QString>> HeaderLinkPick::copy() {
    m_copyEnabled = false;
    return m_pick.resolver().header(m_chosenKind, m_chosenKey).value_or(QList<std::pair<int, QString>>());
}

}  // namespace vn
