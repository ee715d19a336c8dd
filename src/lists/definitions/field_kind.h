#pragma once

namespace vn {

// Fdis field 2: what a page field is. The codes are stored, so they never change.
enum class FieldKind : int {
    None = 0,  // no row, or a code no version ever wrote
    Text = 1,
    Memo = 2,
    CheckBox = 3,
    RadioGroup = 4,
    Label = 5,
    Link = 6,  // URL or e-mail address
    Table = 7,
};
inline constexpr int kFieldKindCount = 7;

// Fdis field 11: the characters a text field accepts; None for other kinds.
enum class CharacterType : int {
    None = 0,
    YesNo = 1,
    Letters = 2,
    Digits = 3,
    Both = 4,
};

// List field 11: the sibling data set whose records head the list's records.
enum class HeaderLinkCode : int {
    None = 0,
    GrovantaMembers = 1,
    GrovantaLeaders = 2,
    PaviloExhibitors = 5,
    KovraStaff = 7,
    UserSelectable = 9,
};

// What a field of the kind is called where it has no caption ("Text Field", "Table").
const char* fieldKindName(FieldKind kind);

// The stored codes read back; None for a code no version ever wrote.
FieldKind fieldKindFromCode(int code);
CharacterType characterTypeFromCode(int code);
HeaderLinkCode headerLinkFromCode(int code);

}  // namespace vn
