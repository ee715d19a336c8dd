#pragma once

#include "lists/definitions/field_kind.h"

#include <QString>

namespace vn {

// What the page designer shows and checks per kind.
struct KindTraits {
    const char* paletteName;         // "Text Field", captioned with the remaining count
    const char* deleteConfirmation;  // asked before a field of the kind is deleted
    bool uniqueCaption;              // two active fields of the kind on a page may not share it
    bool helpText;                   // the help character speaks a text for it while the list is used
};

const KindTraits& kindTraits(FieldKind kind);

// "Text Field (17)".
QString paletteCaption(FieldKind kind, int remaining);

}  // namespace vn
