#include "pelorin/pfi/PfiWriter.h"
#include "common/testing/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "pelorin/pfi/GlyphConverter.h"
#include "pelorin/pfi/LibraryBytes_testing.h"
#include "pelorin/pfi/PfiDoc.h"
#include "pelorin/pfi/SimpleGlyphReader_testing.h"

namespace pelorin {
namespace {

using testing::GlyphPoint;

// The library's glyph converted back to the font's em, as contours.
std::vector<SourceContour> RoundTrip(const CPfiDoc& doc, std::uint16_t code, std::uint16_t fontEm,
                                     std::uint16_t* advance = nullptr) {
    static GlyphConverter converter;
    static std::vector<std::uint8_t> out(kGlyphDataRoom);
    const auto glyph = converter.Convert(doc, code, {fontEm, 0}, false, out);
    EXPECT_TRUE(glyph.ok()) << glyph.error().detail;
    if (advance) *advance = glyph->advanceWidth;
    std::vector<SourceContour> contours;
    if (glyph->data.empty()) return contours;
    const auto read = testing::ReadSimpleGlyph(glyph->data);
    EXPECT_TRUE(read.has_value());
    for (const auto& c : read->contours) {
        contours.emplace_back();
        for (const GlyphPoint& p : c) contours.back().push_back({p.x, p.y, p.on});
    }
    return contours;
}

CPfiDoc Open(const PackedLibrary& packed, std::uint16_t systemCodePage = 0) {
    CPfiDoc doc;
    EXPECT_TRUE(doc.OpenBytes(packed.bytes, "packed.pfi", {systemCodePage, {}}));
    return doc;
}

// Contours that start on an on-point and never hold two off-points in a
// row: the writer keeps them as they are.
SourceContour RandomContour(std::mt19937& random, int range) {
    std::uniform_int_distribution<int> coordinate(-range / 4, range);
    std::uniform_int_distribution<int> size(1, 30);
    std::bernoulli_distribution off(0.4);
    SourceContour contour;
    const int n = size(random);
    for (int i = 0; i < n; ++i) {
        const bool previousOff = !contour.empty() && !contour.back().onCurve;
        const bool isOff = i > 0 && !previousOff && off(random);
        contour.push_back({coordinate(random), coordinate(random), !isOff});
    }
    return contour;
}

struct RoundTripCase {
    std::uint16_t libraryEm;
    std::uint16_t fontEm;
    int range;
};

class PfiWriterRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(PfiWriterRoundTripTest, ConvertedGlyphsGiveTheSourcePointsBack) {
    const RoundTripCase& c = GetParam();
    std::mt19937 random(c.libraryEm * 7 + c.fontEm);
    std::uniform_int_distribution<int> contourCount(0, 4);
    std::uniform_int_distribution<int> advance(1, c.fontEm);
    std::vector<SourceGlyph> glyphs;
    for (std::uint16_t code = 0xE000; code < 0xE000 + 200; ++code) {
        SourceGlyph g{code, advance(random), {}};
        for (int k = contourCount(random); k > 0; --k) g.contours.push_back(RandomContour(random, c.range));
        glyphs.push_back(g);
    }
    const auto packed = PackPfiLibrary({0, c.libraryEm, c.fontEm}, glyphs);
    ASSERT_TRUE(packed.ok());
    EXPECT_TRUE(packed->skipped.empty());
    const CPfiDoc doc = Open(*packed);
    EXPECT_EQ(doc.EmSize(), c.libraryEm);
    for (const SourceGlyph& g : glyphs) {
        std::uint16_t advanceBack = 0;
        EXPECT_EQ(RoundTrip(doc, g.code, c.fontEm, &advanceBack), g.contours) << std::hex << g.code;
        EXPECT_EQ(advanceBack, g.advance);
    }
}

INSTANTIATE_TEST_SUITE_P(Ems, PfiWriterRoundTripTest,
                         ::testing::Values(RoundTripCase{1000, 1000, 1000}, RoundTripCase{2048, 2048, 2048},
                                           RoundTripCase{2000, 1000, 1000}, RoundTripCase{1024, 256, 256},
                                           RoundTripCase{256, 256, 256}));

TEST(PfiWriterTest, ImpliedOnPointsBecomeExplicitAndContoursStartOnAnOnPoint) {
    const std::vector<SourceGlyph> glyphs = {
        {0xAAA1, 500, {{{0, 100, false}, {100, 100, false}, {100, 0, true}, {0, 0, true}}}},
        {0xAAA2, 500, {{{10, 10, false}, {30, 30, false}}}},            // only off-points
        {0xAAA3, 500, {{{40, 40, true}}, {{7, 9, false}}}},             // lone points
        {0xAAA4, 500, {{{0, 0, true}, {50, 0, true}, {0, 0, true}}}}};  // ends on its start
    const auto packed = PackPfiLibrary({936, 1000, 1000}, glyphs);
    ASSERT_TRUE(packed.ok());
    const CPfiDoc doc = Open(*packed);
    EXPECT_EQ(doc.CodePage(), 936);
    EXPECT_EQ(RoundTrip(doc, 0xAAA1, 1000),
              (std::vector<SourceContour>{
                  {{50, 100, true}, {100, 100, false}, {100, 0, true}, {0, 0, true}, {0, 100, false}}}));
    EXPECT_EQ(RoundTrip(doc, 0xAAA2, 1000),
              (std::vector<SourceContour>{{{20, 20, true}, {30, 30, false}, {20, 20, true}, {10, 10, false}}}));
    EXPECT_EQ(RoundTrip(doc, 0xAAA3, 1000), (std::vector<SourceContour>{{{40, 40, true}}, {{7, 9, true}}}));
    EXPECT_EQ(RoundTrip(doc, 0xAAA4, 1000), glyphs[3].contours);
}

TEST(PfiWriterTest, HeaderIndexAndEmptyGlyphs) {
    const std::vector<SourceGlyph> glyphs = {{0xFA40, 0, {}}, {0xA140, 250, {}}};
    const auto packed = PackPfiLibrary({950, 1024, 1024}, glyphs);
    ASSERT_TRUE(packed.ok());
    const CPfiDoc doc = Open(*packed);
    EXPECT_EQ(doc.CodePage(), 950);
    EXPECT_EQ(doc.EmSize(), 1024);
    EXPECT_EQ(doc.GlyphCount(), 2);
    EXPECT_EQ(doc.EudcCodes().size(), 1u);
    EXPECT_EQ(doc.FindGlyph(0xFA40)->advance, 1024);  // 0 reads back as the em size
    EXPECT_EQ(doc.FindGlyph(0xA140)->advance, 250);
    EXPECT_TRUE(RoundTrip(doc, 0xA140, 1024).empty());

    // Code page 0 leaves the tag clear: the reader takes the system's code page.
    const CPfiDoc untagged = Open(*PackPfiLibrary({0, 1000, 1000}, glyphs), 932);
    EXPECT_EQ(untagged.CodePage(), 932);
    EXPECT_EQ(untagged.Warnings().size(), 1u);
}

TEST(PfiWriterTest, GlyphsTheFormatCannotHoldAreSkippedWithAReason) {
    SourceGlyph manyContours{0x0003, 100, {}};
    for (int i = 0; i < 128; ++i) manyContours.contours.push_back({{i, i, true}});
    const std::vector<SourceGlyph> glyphs = {
        {0x0001, 100, {{{0, 0, true}, {5000, 0, true}}}},  // a move beyond 4095 units
        {0x0002, 100, {{{0, 0, true}, {10, 0, true}, {10, 10, true}}}},
        manyContours,
        {0x0004, 40000, {}}};
    const auto packed = PackPfiLibrary({0, 1000, 1000}, glyphs);
    ASSERT_TRUE(packed.ok());
    ASSERT_EQ(packed->skipped.size(), 3u);
    EXPECT_EQ(packed->skipped[0].code, 0x0001);
    EXPECT_EQ(packed->skipped[1].code, 0x0003);
    EXPECT_EQ(packed->skipped[2].code, 0x0004);
    EXPECT_EQ(Open(*packed).GlyphCount(), 1);
}

TEST(PfiWriterTest, RejectsImpossibleLayouts) {
    const std::vector<SourceGlyph> twice = {{0xAAA1, 0, {}}, {0xAAA1, 0, {}}};
    for (const auto& [layout, glyphs] :
         std::vector<std::pair<PfiLibraryLayout, std::vector<SourceGlyph>>>{{{932, 1000, 1000}, {}},
                                                                            {{936, 0, 1000}, {}},
                                                                            {{936, 16384, 1000}, {}},
                                                                            {{936, 1000, 0}, {}},
                                                                            {{936, 1000, 1000}, twice}}) {
        const auto packed = PackPfiLibrary(layout, glyphs);
        ASSERT_FALSE(packed.ok());
        EXPECT_EQ(packed.error().code, PfiErrorCode::BadArgument);
    }
}

TEST(PfiWriterTest, WritesTheFileWholeUnderItsName) {
    const lumenar::testing::ScratchDirectory scratch;
    const std::filesystem::path& dir = scratch.path();
    const auto packed = PackPfiLibrary({936, 1000, 1000}, std::vector<SourceGlyph>{{0xAAA1, 0, {}}});
    ASSERT_TRUE(WritePfiFile(dir / "out.pfi", packed->bytes));
    CPfiDoc doc;
    ASSERT_TRUE(doc.Open(dir / "out.pfi", {}));
    EXPECT_EQ(doc.GlyphCount(), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);

    const auto failed = WritePfiFile(dir / "missing" / "out.pfi", packed->bytes);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, PfiErrorCode::CannotWrite);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pelorin
