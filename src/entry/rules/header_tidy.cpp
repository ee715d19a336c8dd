#include "entry/rules/header_tidy.h"

namespace vn {

namespace {

bool isNamePart(int field) { return field >= 2 && field <= 4; }

}  // namespace

QString tidyHeader(int field, const QString& text) {
    if (!isNamePart(field) || text.isEmpty()) return text;
    return text.left(1).toUpper() + text.mid(1);
}

int nextHeaderField(int field) { return field >= 0 && field < kLastHeaderField ? field + 1 : -1; }

}  // namespace vn
