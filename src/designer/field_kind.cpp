#include "designer/field_kind.h"

namespace vn {

FieldKind fieldKindFromCode(int code) {
    return code >= 1 && code <= kFieldKindCount ? FieldKind(code) : FieldKind::None;
}

CharacterType characterTypeFromCode(int code) {
    return code >= 1 && code <= 4 ? CharacterType(code) : CharacterType::None;
}

HeaderLinkCode headerLinkFromCode(int code) {
    switch (code) {
    case 1: case 2: case 5: case 7: case 9: return HeaderLinkCode(code);
    default: return HeaderLinkCode::None;
    }
}

}  // namespace vn
