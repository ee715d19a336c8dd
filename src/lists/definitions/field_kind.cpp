#include "lists/definitions/field_kind.h"

namespace vn {

const char* fieldKindName(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text: return "Text Field";
    case FieldKind::Memo: return "Memo Field";
    case FieldKind::CheckBox: return "Check Box";
    case FieldKind::RadioGroup: return "Radio Button Group";
    case FieldKind::Label: return "Label";
    case FieldKind::Link: return "URL / Email Link";
    case FieldKind::Table: return "Table";
    case FieldKind::None: break;
    }
    return "Field";
}

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
