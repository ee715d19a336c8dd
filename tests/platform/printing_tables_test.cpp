#include "platform/printing/code128.h"
#include "platform/printing/palette.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(Code128, EverySymbolIsElevenModulesWithEvenBarsAndDistinct) {
    QSet<QString> seen;
    for (int v = 0; v < kCode128Symbols - 1; ++v) {
        const QString p = QString::fromLatin1(code128Pattern(v));
        ASSERT_EQ(p.size(), 6) << v;
        int modules = 0, bars = 0;
        for (int i = 0; i < 6; ++i) {
            modules += p[i].digitValue();
            if (i % 2 == 0) bars += p[i].digitValue();
        }
        EXPECT_EQ(modules, 11) << v;
        EXPECT_EQ(bars % 2, 0) << v;
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), kCode128Symbols - 1);
    EXPECT_STREQ(code128Pattern(106), "2331112");
    EXPECT_STREQ(code128Pattern(104), "211214");  // start B
    EXPECT_STREQ(code128Pattern(107), "");
}

TEST(Palette, SixteenStandardColoursInOrder) {
    EXPECT_EQ(paletteColour(1), 0xFF000000u);
    EXPECT_EQ(paletteColour(2), 0xFF800000u);
    EXPECT_EQ(paletteColour(13), 0xFF0000FFu);
    EXPECT_EQ(paletteColour(16), 0xFFFFFFFFu);
    EXPECT_EQ(paletteName(8), "grey");
    EXPECT_EQ(paletteColour(0), 0xFF000000u);
    EXPECT_EQ(paletteColour(17), 0xFF000000u);
}

}  // namespace
