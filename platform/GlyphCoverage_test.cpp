#include "platform/GlyphCoverage.h"

#include "platform/SparseFontConfig_testing.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(GlyphCoverage, DrawableExactlyWhereTheOnlyFontHasGlyphs) {
    const testing::SparseFontConfig config;
    const GlyphCoverage coverage = GlyphCoverage::forFamily(testing::kSparseFontFamily, config.file());
    for (char32_t drawn : {U'A', U'\u4E00', U'\u4E01', U'\u3400', U'\U00020000', U'\uE000'}) {
        EXPECT_TRUE(coverage.drawable(drawn)) << std::hex << static_cast<unsigned>(drawn);
        EXPECT_EQ(coverage.drawingFamily(drawn), testing::kSparseFontFamily);
    }
    for (char32_t missing : {U'B', U'\u4E02', U'\u33FF', U'\U00020001', U'\U0002B820', U'\U0010FFFF'}) {
        EXPECT_FALSE(coverage.drawable(missing)) << std::hex << static_cast<unsigned>(missing);
        EXPECT_EQ(coverage.drawingFamily(missing), std::nullopt);
    }
    EXPECT_FALSE(coverage.drawable(0x110000));
}

TEST(GlyphCoverage, AnUnknownFamilyFallsBackToTheInstalledFonts) {
    const testing::SparseFontConfig config;
    const GlyphCoverage coverage = GlyphCoverage::forFamily("No Such Family", config.file());
    EXPECT_TRUE(coverage.drawable(U'\u4E00'));
    EXPECT_EQ(coverage.family(), "No Such Family");
}

TEST(GlyphCoverage, NothingIsDrawableWithoutFonts) {
    EXPECT_FALSE(GlyphCoverage().drawable(U'A'));
    EXPECT_EQ(GlyphCoverage::forFamily("x", "/nonexistent/fonts.conf").drawingFamily(U'A'), std::nullopt);
}

}  // namespace
}  // namespace platform
