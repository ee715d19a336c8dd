#include "designer/page_designer/kind_traits.h"

#include <array>

namespace vn {

namespace {

// Indexed by the kind's code.
constexpr std::array<KindTraits, kFieldKindCount + 1> kTraits{{
    {"", "", false, false},
    {"Text Field", "Confirm Text Field deletion.", true, true},
    {"Memo Field", "Confirm Memo Field deletion.", true, true},
    {"Check Box", "Confirm Checkbox deletion.", true, true},
    {"Radio Button Grp", "Confirm Radio Group Deletion.", true, true},
    {"Label", "Confirm Label deletion.", false, false},
    {"URL / Email Link", "Confirm Link Field deletion.", true, true},
    {"Table", "Confirm Table deletion.", true, false},
}};

}  // namespace

const KindTraits& kindTraits(FieldKind kind) {
    const int code = int(kind);
    return kTraits[code >= 0 && code <= kFieldKindCount ? code : 0];
}

QString paletteCaption(FieldKind kind, int remaining) {
    return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(kindTraits(kind).paletteName)).arg(remaining);
}

}  // namespace vn
