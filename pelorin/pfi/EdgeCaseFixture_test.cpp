// The hand-laid library tests/fixtures/pfi/edge-cases.pfi (made by
// make_edge_cases.py beside it): reading, decoding and converting each of
// its glyphs.

#include <gtest/gtest.h>

#include <vector>

#include "pelorin/pfi/GlyphConverter.h"
#include "pelorin/pfi/GlyphDecoder.h"
#include "pelorin/pfi/PfiDoc.h"
#include "pelorin/pfi/SimpleGlyphReader_testing.h"

namespace pelorin {
namespace {

const char kFixture[] = LUMENAR_FIXTURES_DIR "/pfi/edge-cases.pfi";

class EdgeCaseFixtureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc_.Open(kFixture, {0, {}})); }

    // Converted at em 1000 (library units kept, y lowered by 150).
    ConvertedGlyph Convert(std::uint16_t code, bool smooth) {
        auto glyph = converter_.Convert(doc_, code, {1000, 800}, smooth, out_);
        EXPECT_TRUE(glyph.ok()) << glyph.error().detail;
        return glyph.ok() ? *glyph : ConvertedGlyph{};
    }

    CPfiDoc doc_;
    GlyphConverter converter_;
    std::vector<std::uint8_t> out_ = std::vector<std::uint8_t>(kGlyphDataRoom);
};

TEST_F(EdgeCaseFixtureTest, Header) {
    EXPECT_EQ(doc_.CodePage(), 936);
    EXPECT_EQ(doc_.EmSize(), 1000);
    EXPECT_EQ(doc_.GlyphCount(), 16);
    EXPECT_EQ(doc_.EudcCodes().size(), 15u);
    EXPECT_EQ(std::vector<std::uint16_t>(doc_.OtherCodes().begin(), doc_.OtherCodes().end()),
              std::vector<std::uint16_t>{0xA1A1});
    EXPECT_TRUE(doc_.Warnings().empty());
}

struct GlyphCase {
    const char* name;
    std::uint16_t code;
    std::size_t records;  // decoded records including the end record; 0 = empty glyph
    std::size_t points;   // converted points; 0 when no glyph is produced
    ConversionNotice notice;
    std::uint16_t advance;
};

class EdgeCaseGlyphTest : public EdgeCaseFixtureTest, public ::testing::WithParamInterface<GlyphCase> {};

TEST_P(EdgeCaseGlyphTest, DecodesAndConverts) {
    const GlyphCase& c = GetParam();
    const auto record = doc_.FindGlyph(c.code);
    ASSERT_TRUE(record.ok());
    std::vector<OutlineSegment> segments(SegmentRoomFor(record->bytes.size()));
    const auto count = DecodeGlyph(record->bytes, segments);
    ASSERT_TRUE(count.ok()) << count.error().detail;
    EXPECT_EQ(*count, c.records);

    const ConvertedGlyph glyph = Convert(c.code, false);
    EXPECT_EQ(glyph.pointCount, c.points);
    EXPECT_EQ(glyph.data.empty(), c.points == 0);
    EXPECT_EQ(glyph.notice, c.notice);
    EXPECT_EQ(glyph.advanceWidth, c.advance);
}

INSTANTIATE_TEST_SUITE_P(Glyphs, EdgeCaseGlyphTest,
                         ::testing::Values(GlyphCase{"square", 0xAAA1, 7, 4, ConversionNotice::None, 500},
                                           GlyphCase{"one_curve", 0xAAA2, 4, 2, ConversionNotice::None, 500},
                                           GlyphCase{"two_byte_count", 0xAAA3, 389, 386, ConversionNotice::None, 500},
                                           GlyphCase{"opcode_85_c3", 0xAAA4, 5, 2, ConversionNotice::None, 500},
                                           GlyphCase{"legs_of_7", 0xAAA5, 7, 4, ConversionNotice::None, 500},
                                           GlyphCase{"points_4096", 0xAAA7, 4105, 4096, ConversionNotice::None, 500},
                                           GlyphCase{"points_4097", 0xAAA8, 4106, 0,
                                                     ConversionNotice::TooManyContoursOrPoints, 500},
                                           GlyphCase{"duplicate_first_wins", 0xAAA9, 6, 3, ConversionNotice::None, 300},
                                           GlyphCase{"advance_0_is_em", 0xAAAA, 6, 3, ConversionNotice::None, 1000},
                                           GlyphCase{"empty", 0xAAAC, 0, 0, ConversionNotice::None, 400},
                                           GlyphCase{"end_mark_inside_second_contour", 0xAAAD, 6, 3,
                                                     ConversionNotice::None, 500},
                                           GlyphCase{"end_mark_inside_first_contour", 0xAAAE, 0, 0,
                                                     ConversionNotice::None, 400},
                                           GlyphCase{"not_eudc", 0xA1A1, 6, 3, ConversionNotice::None, 500}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EdgeCaseFixtureTest, SquareAndCurvePoints) {
    const auto square = testing::ReadSimpleGlyph(Convert(0xAAA1, false).data);
    ASSERT_TRUE(square.has_value());
    EXPECT_EQ(square->contours, (std::vector<std::vector<testing::GlyphPoint>>{
                                    {{100, 100, true}, {100, 200, true}, {200, 200, true}, {200, 100, true}}}));
    const auto curve = testing::ReadSimpleGlyph(Convert(0xAAA2, false).data);
    ASSERT_TRUE(curve.has_value());
    EXPECT_EQ(curve->contours, (std::vector<std::vector<testing::GlyphPoint>>{{{10, 10, true}, {30, 40, false}}}));
}

TEST_F(EdgeCaseFixtureTest, Opcode85C3MovesBy11AndMinus124) {
    const auto record = doc_.FindGlyph(0xAAA4);
    std::vector<OutlineSegment> segments(SegmentRoomFor(record->bytes.size()));
    ASSERT_TRUE(DecodeGlyph(record->bytes, segments).ok());
    EXPECT_EQ(segments[1].points[0], (OutlinePoint{100, 300}));
    EXPECT_EQ(segments[1].points[1], (OutlinePoint{111, 176}));
    EXPECT_EQ(segments[2].points[1], (OutlinePoint{100, 300}));  // the closing line
}

TEST_F(EdgeCaseFixtureTest, LegsOf8AreRoundedLegsOf7AreNot) {
    const auto offPoints = [](const ConvertedGlyph& g) {
        int off = 0;
        const auto read = testing::ReadSimpleGlyph(g.data);
        for (const auto& contour : read.value().contours)
            for (const auto& p : contour) off += p.on ? 0 : 1;
        return off;
    };
    const ConvertedGlyph seven = Convert(0xAAA5, true);
    EXPECT_EQ(seven.pointCount, 4);
    EXPECT_EQ(offPoints(seven), 0);
    const ConvertedGlyph eight = Convert(0xAAA6, true);
    const auto contours = testing::ReadSimpleGlyph(eight.data)->contours;
    EXPECT_EQ(
        contours,
        (std::vector<std::vector<testing::GlyphPoint>>{
            {{100, 50, true}, {104, 50, true}, {108, 50, false}, {112, 50, true}, {116, 50, true}, {116, 250, true}}}));
    EXPECT_EQ(offPoints(eight), 1);
}

TEST_F(EdgeCaseFixtureTest, RecordEndingIn0xEEIsMalformed) {
    const auto glyph = converter_.Convert(doc_, 0xAAAB, {1000, 800}, false, out_);
    ASSERT_FALSE(glyph.ok());
    EXPECT_EQ(glyph.error().code, PfiErrorCode::Malformed);
}

}  // namespace
}  // namespace pelorin
