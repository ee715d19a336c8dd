#include "requests/labels/label_order.h"

#include "store/text/text_order.h"
#include "requests/report/record_order.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/table.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kHeadFieldsRead = 16;  // key to Zip
// Between the compared fields: "Smith" at "12 Elm St" and "Smith1" at "2 Elm St" are two households.
constexpr char16_t kFieldSeparator = u'\x1f';
constexpr int kTitle = 1, kFirst = 2, kLast = 4, kAddress1 = 11, kCity = 13, kZip = 15;

struct Keyed {
    QString text;
    QString key;
};

bool textBefore(const Keyed& a, const Keyed& b) { return compareCodePoints(a.text, b.text) < 0; }

// The texts of the matches that have a Head row, in the matches' order.
template <typename TextOf>
std::vector<Keyed> keyedTexts(RecordAccess& access, const MatchList& matches, TextOf textOf) {
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(matches.size()));
    for (const QString& key : matches)
        if (const std::optional<HeadFields> head = readHeadFields(access, key)) keyed.push_back({textOf(*head), key});
    return keyed;
}

MatchList keysOf(const std::vector<Keyed>& keyed) {
    MatchList keys;
    keys.reserve(qsizetype(keyed.size()));
    for (const Keyed& k : keyed) keys << k.key;
    return keys;
}

}  // namespace

std::optional<HeadFields> readHeadFields(RecordAccess& access, const QString& key) {
    Table& head = access.catalogue().table(kHeadSlot);
    if (!head.findKey(key)) return std::nullopt;
    HeadFields fields;
    fields.reserve(kHeadFieldsRead);
    for (int field = 0; field < kHeadFieldsRead; ++field) fields << head.text(field);
    return fields;
}

MatchList removeDuplicates(RecordAccess& access, const MatchList& matches, DuplicateMode mode) {
    if (mode != DuplicateMode::Family && mode != DuplicateMode::Address) return matches;
    std::vector<Keyed> keyed = keyedTexts(access, matches, [mode](const HeadFields& h) {
        const QStringList fields = mode == DuplicateMode::Family ? QStringList{h[kLast], h[kAddress1], h[kCity], h[kZip]}
                                                                 : QStringList{h[kAddress1], h[kCity], h[kZip]};
        return fields.join(QChar(kFieldSeparator));
    });
    std::stable_sort(keyed.begin(), keyed.end(), textBefore);
    const auto equal = [](const Keyed& a, const Keyed& b) { return a.text == b.text; };
    keyed.erase(std::unique(keyed.begin(), keyed.end(), equal), keyed.end());
    return keysOf(keyed);
}

MatchList labelOrder(RecordAccess& access, const MatchList& matches, LabelSort sort) {
    std::vector<Keyed> keyed = keyedTexts(access, matches, [sort](const HeadFields& h) {
        return labelSortText(sort, h[kTitle], h[kFirst], h[kLast], h[kZip]);
    });
    // Reversed first, so a stable sort leaves equal texts in the reverse of the matches' order.
    std::reverse(keyed.begin(), keyed.end());
    std::stable_sort(keyed.begin(), keyed.end(), textBefore);
    return keysOf(keyed);
}

}  // namespace vn
