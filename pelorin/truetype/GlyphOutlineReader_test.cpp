#include "pelorin/truetype/GlyphOutlineReader.h"

#include <gtest/gtest.h>

#include "pelorin/truetype/SimpleGlyphCodec.h"
#include "pelorin/truetype/TestFonts_testing.h"

namespace pelorin::truetype {
namespace {

using testing::BuildTinyFont;
using testing::Square;
using testing::SquareGlyph;
using testing::TinyFontRecipe;

// A composite glyph of one component per entry; each gives flags, glyph,
// arguments as words and the raw transform words that follow.
struct ComponentSpec {
    uint16_t flags;
    uint16_t glyph;
    int16_t arg1, arg2;
    std::vector<uint16_t> transform;
};

std::vector<uint8_t> Composite(const std::vector<ComponentSpec>& components) {
    std::vector<uint8_t> out;
    AppendI16(out, -1);
    for (int i = 0; i < 4; ++i) AppendI16(out, 0);
    for (size_t i = 0; i < components.size(); ++i) {
        const ComponentSpec& c = components[i];
        AppendU16(out, static_cast<uint16_t>(c.flags | 0x0001 | (i + 1 < components.size() ? 0x0020 : 0)));
        AppendU16(out, c.glyph);
        AppendI16(out, c.arg1);
        AppendI16(out, c.arg2);
        for (uint16_t w : c.transform) AppendU16(out, w);
    }
    return out;
}

constexpr uint16_t kXY = 0x0002;
constexpr uint16_t kScale = 0x0008;
constexpr uint16_t kTwoByTwo = 0x0080;
constexpr uint16_t kHalf = 0x2000;  // 0.5 in F2Dot14

SourceFont FontWith(std::vector<std::vector<uint8_t>> glyphs) {
    TinyFontRecipe recipe;
    recipe.glyphs = std::move(glyphs);
    for (uint16_t g = 1; g < recipe.glyphs.size(); ++g) recipe.codes.push_back({0x100u + g, g});
    return SourceFont::FromBytes(BuildTinyFont(recipe)).value();
}

TEST(GlyphOutlineReader, SimpleGlyphComesBackAsStored) {
    const std::vector<Contour> contours{{{0, 0, true}, {50, 100, false}, {100, 0, true}}, Square(200, 200, 20)};
    const SourceFont font = FontWith({{}, EncodeSimpleGlyph(contours)});
    auto outline = ReadGlyphOutline(font, 0x101);
    ASSERT_TRUE(outline.ok()) << outline.error().detail;
    EXPECT_EQ(outline->glyphIndex, 1);
    EXPECT_EQ(outline->advanceWidth, 501);
    EXPECT_EQ(outline->contours, contours);
}

TEST(GlyphOutlineReader, CompositesAreFlattened) {
    const std::vector<uint8_t> square = SquareGlyph(0, 0, 100);  // glyph 1
    struct Case {
        const char* what;
        std::vector<ComponentSpec> components;
        std::vector<Contour> expected;
    };
    const std::vector<Case> cases = {
        {"offset", {{kXY, 1, 10, -20, {}}}, {Square(10, -20, 100)}},
        {"uniform scale", {{kXY | kScale, 1, 0, 0, {kHalf}}}, {Square(0, 0, 50)}},
        {"two components", {{kXY, 1, 0, 0, {}}, {kXY, 1, 300, 0, {}}}, {Square(0, 0, 100), Square(300, 0, 100)}},
        {"mirror by matrix",
         {{kXY | kTwoByTwo, 1, 0, 0, {0xC000, 0, 0, 0x4000}}},  // x' = -x
         {{{0, 0, true}, {0, 100, true}, {-100, 100, true}, {-100, 0, true}}}},
        {"anchor points", {{kXY, 1, 0, 0, {}}, {0, 1, 2, 0, {}}}, {Square(0, 0, 100), Square(100, 100, 100)}},
        {"nested", {{kXY, 3, 5, 5, {}}}, {Square(15, -15, 100)}},
    };
    for (const Case& c : cases) {
        const SourceFont font = FontWith({{}, square, Composite(c.components), Composite({{kXY, 1, 10, -20, {}}})});
        auto outline = ReadGlyphOutlineByIndex(font, 2);
        ASSERT_TRUE(outline.ok()) << c.what << ": " << outline.error().detail;
        EXPECT_EQ(outline->contours, c.expected) << c.what;
    }
}

TEST(GlyphOutlineReader, BrokenGlyphsAreReportedNotFollowed) {
    const std::vector<uint8_t> square = SquareGlyph(0, 0, 100);
    struct Case {
        const char* what;
        std::vector<uint8_t> glyph;
    };
    std::vector<uint8_t> truncated = square;
    truncated.resize(square.size() - 4);
    const Case cases[] = {
        {"refers to itself", Composite({{kXY, 2, 0, 0, {}}})},
        {"component past the font", Composite({{kXY, 40, 0, 0, {}}})},
        {"anchor past the points", Composite({{kXY, 1, 0, 0, {}}, {0, 1, 99, 0, {}}})},
        {"truncated coordinates", truncated},
    };
    for (const Case& c : cases) {
        const SourceFont font = FontWith({{}, square, c.glyph});
        auto outline = ReadGlyphOutlineByIndex(font, 2);
        ASSERT_FALSE(outline.ok()) << c.what;
        EXPECT_EQ(outline.error().kind, TrueTypeErrorKind::Malformed) << c.what;
    }
    const SourceFont font = FontWith({{}, square});
    auto unmapped = ReadGlyphOutline(font, 0x4E00);
    ASSERT_FALSE(unmapped.ok());
    EXPECT_EQ(unmapped.error().kind, TrueTypeErrorKind::NotFound);
}

TEST(SimpleGlyphCodec, RoundTripsShortLongAndRepeatedDeltas) {
    const std::vector<Contour> contours{{{0, 0, true},
                                         {255, 0, true},
                                         {255, -256, false},
                                         {-1000, -256, true},
                                         {-1000, -256, true},
                                         {-1000, -256, true},
                                         {-1000, -256, true},
                                         {20000, -20000, true}},
                                        {{1, 1, false}, {2, 2, false}}};
    const std::vector<uint8_t> glyph = EncodeSimpleGlyph(contours);
    EXPECT_EQ(glyph.size() % 2, 0u);
    EXPECT_EQ(DecodeSimpleGlyph(glyph), contours);
    EXPECT_TRUE(EncodeSimpleGlyph({}).empty());
}

}  // namespace
}  // namespace pelorin::truetype
