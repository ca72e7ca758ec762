#include "pelorin/pfi/OutlineSmoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "pelorin/pfi/GlyphConverter.h"
#include "pelorin/pfi/OutlineBuilder_testing.h"
#include "pelorin/pfi/SimpleGlyphReader_testing.h"

namespace pelorin {
namespace {

using testing::GlyphPoint;
using testing::LineSegment;
using testing::PolygonOutline;

struct JoinCase {
    const char* name;
    OutlinePoint p0, p1, q1;
    bool smoothed;
};

class JoinTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinTest, RoundsShallowLeftTurnsOnly) {
    const JoinCase& c = GetParam();
    EXPECT_EQ(ShouldSmoothJoin(LineSegment(c.p0, c.p1), LineSegment(c.p1, c.q1)), c.smoothed);
}

INSTANTIATE_TEST_SUITE_P(Angles, JoinTest,
                         ::testing::Values(JoinCase{"straight_on", {0, 0}, {20, 0}, {40, 0}, true},
                                           JoinCase{"left_30", {0, 0}, {20, 0}, {37, 10}, true},
                                           JoinCase{"right_30", {0, 0}, {20, 0}, {37, -10}, false},
                                           JoinCase{"left_60", {0, 0}, {20, 0}, {30, 17}, false},
                                           JoinCase{"right_turning_back_150", {0, 0}, {20, 0}, {3, -10}, true},
                                           JoinCase{"legs_of_8", {0, 0}, {8, 0}, {16, 0}, true},
                                           JoinCase{"first_leg_of_7", {0, 0}, {7, 0}, {20, 0}, false},
                                           JoinCase{"second_leg_of_7", {0, 0}, {20, 0}, {27, 0}, false},
                                           JoinCase{"diagonal_leg_of_8", {0, 0}, {0, 8}, {0, 16}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<GlyphPoint> SmoothedPoints(const std::vector<OutlineSegment>& outline) {
    GlyphConverter converter;
    std::vector<std::uint8_t> out(kGlyphDataRoom);
    // Library em 1000 to target em 1000 keeps coordinates; y loses 150.
    const auto glyph = converter.ConvertOutline(outline, {1000, 1000}, {1000, 800}, true, out);
    EXPECT_TRUE(glyph.ok());
    const auto read = testing::ReadSimpleGlyph(glyph->data);
    EXPECT_TRUE(read.has_value());
    EXPECT_EQ(read->contours.size(), 1u);
    return read->contours.at(0);
}

TEST(OutlineSmoothingTest, ClosingCornerIsRoundedOnce) {
    // A square whose contour starts mid-way along its bottom side: only the
    // straight join at the start is shallow enough to round.
    const auto points = SmoothedPoints(PolygonOutline({{{100, 150}, {200, 150}, {200, 350}, {0, 350}, {0, 150}}}));
    EXPECT_EQ(points, (std::vector<GlyphPoint>{{50, 0, true},
                                               {100, 0, false},
                                               {150, 0, true},
                                               {200, 0, true},
                                               {200, 200, true},
                                               {0, 200, true},
                                               {0, 0, true}}));
}

TEST(OutlineSmoothingTest, RoundedClosingCornerAfterRoundedCornerRepeatsNoPoint) {
    // A dodecagon (left turns of 30 degrees) started at a vertex whose corner
    // and the corner before it are both rounded (the angle measure depends
    // on the orientation, so not every corner is).
    std::vector<OutlinePoint> vertices;
    for (int i = 0; i < 12; ++i) {
        const double a = i * 3.14159265358979 / 6;
        vertices.push_back({static_cast<std::int16_t>(std::lround(500 + 300 * std::cos(a))),
                            static_cast<std::int16_t>(std::lround(500 + 300 * std::sin(a)))});
    }
    const auto cornerRounded = [&](std::size_t i) {
        const OutlinePoint& before = vertices[(i + 11) % 12];
        const OutlinePoint& after = vertices[(i + 1) % 12];
        return ShouldSmoothJoin(LineSegment(before, vertices[i]), LineSegment(vertices[i], after));
    };
    std::size_t start = 0;
    while (!(cornerRounded(start) && cornerRounded((start + 11) % 12))) ++start;
    std::rotate(vertices.begin(), vertices.begin() + static_cast<std::ptrdiff_t>(start), vertices.end());

    const auto points = SmoothedPoints(PolygonOutline({vertices}));
    EXPECT_FALSE(points.back().on && points.back().x == points.front().x && points.back().y == points.front().y);
    EXPECT_FALSE(points[1].on);  // the closing corner is rounded
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        EXPECT_FALSE(points[i].x == points[i + 1].x && points[i].y == points[i + 1].y) << "point " << i << " repeats";
    }
}

TEST(OutlineSmoothingTest, RoundedCornerSplitsIntoLineAndCurve) {
    const auto outline = PolygonOutline({{{0, 0}, {100, 0}, {200, 10}, {100, 300}}});
    std::vector<OutlineSegment> out(SmoothedRoomFor(outline.size()));
    out.resize(SmoothOutline(outline, out));
    // The corner at (100, 0) turns left by about 6 degrees: a line to the
    // midpoint of the leg before it, a curve around the corner to the
    // midpoint of the leg after it, and that leg starts there.
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(out[1], LineSegment({0, 0}, {50, 0}));
    EXPECT_EQ(out[2].kind, SegmentKind::Curve);
    EXPECT_EQ((std::vector<OutlinePoint>{out[2].points[0], out[2].points[1], out[2].points[2]}),
              (std::vector<OutlinePoint>{{50, 0}, {100, 0}, {150, 5}}));
    EXPECT_EQ(out[3].points[0], (OutlinePoint{150, 5}));
    EXPECT_EQ(out.back().role, SegmentRole::End);
}

}  // namespace
}  // namespace pelorin
