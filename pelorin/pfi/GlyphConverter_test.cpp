#include "pelorin/pfi/GlyphConverter.h"

#include <gtest/gtest.h>

#include <vector>

#include "pelorin/pfi/LibraryBytes_testing.h"
#include "pelorin/pfi/OutlineBuilder_testing.h"
#include "pelorin/pfi/SimpleGlyphReader_testing.h"

namespace pelorin {
namespace {

using testing::GlyphPoint;
using testing::PolygonOutline;
using Bytes = std::vector<std::uint8_t>;

class GlyphConverterTest : public ::testing::Test {
protected:
    ConvertedGlyph Convert(const std::vector<OutlineSegment>& outline, LibraryGlyphMetrics library,
                           ConversionTarget target) {
        auto glyph = converter_.ConvertOutline(outline, library, target, false, out_);
        EXPECT_TRUE(glyph.ok()) << glyph.error().detail;
        return *glyph;
    }
    std::vector<GlyphPoint> OnlyContour(const ConvertedGlyph& glyph) {
        const auto read = testing::ReadSimpleGlyph(glyph.data);
        EXPECT_TRUE(read.has_value());
        EXPECT_EQ(read->contours.size(), 1u);
        return read->contours.at(0);
    }

    GlyphConverter converter_;
    Bytes out_ = Bytes(kGlyphDataRoom);
};

TEST_F(GlyphConverterTest, SquareBytes) {
    const auto glyph =
        Convert(PolygonOutline({{{100, 250}, {100, 350}, {200, 350}, {200, 250}}}), {1000, 1000}, {1000, 800});
    EXPECT_EQ(Bytes(glyph.data.begin(), glyph.data.end()),
              (Bytes{0x00, 0x01, 0x00, 0x64, 0x00, 0x64, 0x00, 0xC8, 0x00, 0xC8,  // header
                     0x00, 0x03, 0x00, 0x00,                                      // end point 3, no instructions
                     0x37, 0x37, 0x37, 0x17,                                      // flags
                     0x64, 0x00, 0x64, 0x00,                                      // x deltas
                     0x64, 0x64, 0x00, 0x64}));                                   // y deltas
    EXPECT_EQ(glyph.contourCount, 1);
    EXPECT_EQ(glyph.pointCount, 4);
    EXPECT_EQ(glyph.HorizontalMetric(), (1000u << 16) | 100u);
    EXPECT_EQ(glyph.VerticalMetric(), (1000u << 16) | 600u);  // ascender 800 - yMax 200
}

struct ScalingCase {
    const char* name;
    std::uint16_t libraryEm, targetEm;
    OutlinePoint point;
    GlyphPoint expected;
};

class ScalingTest : public GlyphConverterTest, public ::testing::WithParamInterface<ScalingCase> {};

TEST_P(ScalingTest, MapsLibraryBaselineAndTruncates) {
    const ScalingCase& c = GetParam();
    // A two-point contour: the point under test, then a far point.
    const auto glyph = Convert(PolygonOutline({{c.point, {1000, 1000}}}), {c.libraryEm, c.libraryEm}, {c.targetEm, 0});
    EXPECT_EQ(OnlyContour(glyph).at(0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Points, ScalingTest,
                         ::testing::Values(ScalingCase{"on_baseline", 1000, 256, {500, 150}, {128, 0, true}},
                                           ScalingCase{
                                               "negative_truncates_toward_zero", 1000, 256, {-3, 150}, {0, 0, true}},
                                           ScalingCase{"offset_153_for_em_1024", 1024, 2048, {0, 153}, {0, 0, true}},
                                           ScalingCase{"one_above", 1024, 2048, {1, 154}, {2, 2, true}},
                                           ScalingCase{"below_baseline", 1024, 2048, {-1, 0}, {-1, -305, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GlyphConverterTest, OneCurveContourGivesStartAndOffPoint) {
    OutlineSegment curve;
    curve.kind = SegmentKind::Curve;
    curve.points = {OutlinePoint{10, 160}, OutlinePoint{30, 190}, OutlinePoint{10, 160}, OutlinePoint{10, 160}};
    OutlineSegment head = curve, tail = curve, end;
    head.role = SegmentRole::Head;
    tail.role = SegmentRole::Tail;
    end.role = SegmentRole::End;
    const auto glyph = Convert({head, curve, tail, end}, {1000, 1000}, {1000, 800});
    EXPECT_EQ(OnlyContour(glyph), (std::vector<GlyphPoint>{{10, 10, true}, {30, 40, false}}));
}

std::vector<std::vector<OutlinePoint>> ZigZagContours(std::size_t contours, std::size_t pointsEach) {
    std::vector<std::vector<OutlinePoint>> polygons(contours);
    for (std::size_t c = 0; c < contours; ++c) {
        for (std::size_t i = 0; i < pointsEach; ++i) {
            polygons[c].push_back(
                {static_cast<std::int16_t>(i % 2 ? 200 + c : 100 + c), static_cast<std::int16_t>(150 + i)});
        }
    }
    return polygons;
}

TEST_F(GlyphConverterTest, PointLimit) {
    const auto full = Convert(PolygonOutline(ZigZagContours(4, 1024)), {1000, 500}, {1000, 800});
    EXPECT_EQ(full.notice, ConversionNotice::None);
    EXPECT_EQ(full.pointCount, 4096);

    auto over = ZigZagContours(4, 1024);
    over[3].push_back({50, 50});
    const auto refused = Convert(PolygonOutline(over), {1000, 500}, {1000, 800});
    EXPECT_EQ(refused.notice, ConversionNotice::TooManyContoursOrPoints);
    EXPECT_EQ(NoticeText(refused.notice), "回路或节点个数超过可处理的范围。");
    EXPECT_TRUE(refused.data.empty());
    EXPECT_EQ(refused.HorizontalMetric(), 500u << 16);
    EXPECT_EQ(refused.VerticalMetric(), 1000u << 16);
}

TEST_F(GlyphConverterTest, OutlineOutsideTheBoxWarnsButKeepsTheGlyph) {
    const auto glyph = Convert(PolygonOutline({{{0, 150}, {2001, 150}, {0, 500}}}), {1000, 1000}, {1000, 800});
    EXPECT_EQ(glyph.notice, ConversionNotice::OutlineTooLarge);
    EXPECT_EQ(NoticeText(glyph.notice), "字芯过大。");
    EXPECT_FALSE(glyph.data.empty());

    const auto inside = Convert(PolygonOutline({{{-1000, -850}, {2000, 150}, {0, 2150}}}), {1000, 1000}, {1000, 800});
    EXPECT_EQ(inside.notice, ConversionNotice::None);
}

TEST_F(GlyphConverterTest, CoordinatesBeyondSixteenBitsGiveNoGlyph) {
    // Library em 16 to target em 16384: every unit becomes 1024.
    const auto glyph = Convert(PolygonOutline({{{0, 2}, {100, 2}, {0, 50}}}), {16, 16}, {16384, 0});
    EXPECT_EQ(glyph.notice, ConversionNotice::OutlineOutOfRange);
    EXPECT_TRUE(glyph.data.empty());
}

struct AdvanceCase {
    std::uint16_t libraryEm;
    std::int32_t libraryAdvance;
    std::uint16_t targetEm;
    std::uint16_t advance;
};

TEST_F(GlyphConverterTest, AdvanceWidths) {
    for (const AdvanceCase& c : std::vector<AdvanceCase>{
             {1000, 500, 256, 128}, {1000, 1000, 256, 256}, {1000, 999, 256, 255}, {1000, -5, 256, 0}}) {
        EXPECT_EQ(Convert(PolygonOutline({{{0, 150}, {10, 160}}}), {c.libraryEm, c.libraryAdvance}, {c.targetEm, 0})
                      .advanceWidth,
                  c.advance)
            << c.libraryAdvance;
    }
}

TEST_F(GlyphConverterTest, ConvertLooksTheCodeUp) {
    const Bytes square = {0x81, 0x04, 0x00, 0x48, 0x64, 0x64, 0x00, 0x32, 0x19, 0x00, 0x00, 0x4E, 0x27, 0x00, 0xEF};
    CPfiDoc doc;
    ASSERT_TRUE(
        doc.OpenBytes(testing::LibraryBytes(
                          0x83E8, {{0xAAA1, 0, square}, {0xAAA2, 300, {0x00}}, {0xAAA3, 0, {0x81, 0x01, 0x00, 0xEE}}}),
                      "x.pfi", {}));
    const auto glyph = ConvertGlyph(doc, 0xAAA1, {256, 220}, false, out_);
    ASSERT_TRUE(glyph.ok());
    EXPECT_EQ(glyph->advanceWidth, 256);  // advance 0 is the em size
    EXPECT_EQ(glyph->pointCount, 4);

    const auto empty = converter_.Convert(doc, 0xAAA2, {256, 220}, false, out_);
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->data.empty());
    EXPECT_EQ(empty->HorizontalMetric(), 76u << 16);
    EXPECT_EQ(empty->VerticalMetric(), 256u << 16);

    EXPECT_EQ(converter_.Convert(doc, 0xAAA3, {256, 220}, false, out_).error().code, PfiErrorCode::Malformed);
    EXPECT_EQ(converter_.Convert(doc, 0xAAA4, {256, 220}, false, out_).error().code, PfiErrorCode::NotFound);
    EXPECT_EQ(converter_.Convert(doc, 0xAAA1, {0, 220}, false, out_).error().code, PfiErrorCode::BadArgument);
    Bytes small(100);
    EXPECT_EQ(converter_.Convert(doc, 0xAAA1, {256, 220}, false, small).error().code, PfiErrorCode::BadArgument);
}

}  // namespace
}  // namespace pelorin
