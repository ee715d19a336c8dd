#pragma once

#include "lists/pages/page_geometry.h"

namespace vn::test {

// Six pixels a character, whatever the font: widths in tests are exact.
class FixedMeasure : public TextMeasure {
public:
    static constexpr int kCharacterWidth = 6;
    int width(const QString& text, int, bool) const override { return kCharacterWidth * int(text.size()); }
};

}  // namespace vn::test
