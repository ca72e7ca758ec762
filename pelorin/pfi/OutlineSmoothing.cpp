#include "pelorin/pfi/OutlineSmoothing.h"

#include <cmath>
#include <cstdint>

namespace pelorin {

namespace {

// The angle constant of the rounding rule; deliberately not pi.
constexpr double kAngleA = 3.1415;
constexpr std::int64_t kMinimumLegSquared = 8 * 8;

std::int64_t LegSquared(OutlinePoint from, OutlinePoint to) {
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    return dx * dx + dy * dy;
}

// The direction of (dx, dy) in 0..2A; -dy is formed in floating point, so a
// zero dy gives -0.0 and atan2 tells the two horizontal directions apart.
double Direction(std::int32_t dx, std::int32_t dy) {
    const double angle = std::atan2(-static_cast<double>(dy), static_cast<double>(dx));
    return angle < 0 ? angle + 2 * kAngleA : angle;
}

OutlinePoint Midpoint(OutlinePoint from, OutlinePoint to) {
    const auto half = [](std::int16_t a, std::int16_t b) {
        return static_cast<std::int16_t>(std::trunc(a + 0.5 * (b - a)));
    };
    return {half(from.x, to.x), half(from.y, to.y)};
}

class ContourSmoother {
public:
    explicit ContourSmoother(std::span<OutlineSegment> out) : out_(out) {}

    // `contour` runs from the head record to the tail record.
    void Smooth(std::span<const OutlineSegment> contour) {
        const std::size_t last = contour.size() - 2;  // index of the last inner segment
        OutlineSegment ending = contour[0];
        bool closingCornerRounded = false;
        OutlinePoint contourStart{};
        for (std::size_t i = 1; i <= last; ++i) {
            OutlineSegment starting = contour[i];
            if (ShouldSmoothJoin(ending, starting)) {
                const OutlinePoint m1 = RoundCorner(ending, starting);
                if (i == 1) {
                    closingCornerRounded = true;
                    contourStart = m1;
                }
            } else {
                Put(ending);
            }
            ending = starting;
        }
        if (closingCornerRounded) {
            ending.kind = SegmentKind::Line;
            ending.points[1] = contourStart;
            if (ending.points[0] != contourStart) Put(ending);
        } else {
            Put(ending);
        }
        Put(contour.back());
    }

    std::size_t Written() const { return written_; }
    void Put(const OutlineSegment& s) { out_[written_++] = s; }

private:
    // Emits the line to M1 and the rounding curve; moves `starting` to M2.
    OutlinePoint RoundCorner(const OutlineSegment& ending, OutlineSegment& starting) {
        const OutlinePoint m1 = Midpoint(ending.points[0], ending.points[1]);
        const OutlinePoint m2 = Midpoint(starting.points[0], starting.points[1]);
        OutlineSegment line;
        line.kind = SegmentKind::Line;
        line.points[0] = ending.points[0];
        line.points[1] = m1;
        OutlineSegment curve;
        curve.kind = SegmentKind::Curve;
        curve.points = {m1, ending.points[1], m2, m2};
        Put(line);
        Put(curve);
        starting.points[0] = m2;
        return m1;
    }

    std::span<OutlineSegment> out_;
    std::size_t written_ = 0;
};

}  // namespace

bool ShouldSmoothJoin(const OutlineSegment& ending, const OutlineSegment& starting) {
    const OutlinePoint p0 = ending.points[0];
    const OutlinePoint p1 = ending.points[1];
    const OutlinePoint q0 = starting.points[0];
    const OutlinePoint q1 = starting.points[1];
    if (LegSquared(p0, p1) < kMinimumLegSquared || LegSquared(q0, q1) < kMinimumLegSquared) return false;
    double e = std::fabs(Direction(p1.x - q1.x, p1.y - q1.y) - Direction(p1.x - p0.x, p1.y - p0.y));
    if (e > kAngleA) e -= kAngleA;
    return 0.75 * kAngleA <= e && e <= kAngleA;
}

std::size_t SmoothOutline(std::span<const OutlineSegment> outline, std::span<OutlineSegment> out) {
    ContourSmoother smoother(out);
    std::size_t begin = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (outline[i].role == SegmentRole::Tail) {
            smoother.Smooth(outline.subspan(begin, i + 1 - begin));
            begin = i + 1;
        } else if (outline[i].role == SegmentRole::End) {
            smoother.Put(outline[i]);
            break;
        }
    }
    return smoother.Written();
}

}  // namespace pelorin
