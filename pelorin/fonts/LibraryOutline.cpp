#include "pelorin/fonts/LibraryOutline.h"

#include <cmath>

namespace pelorin::fonts {
namespace {

struct Scale {
    double factor;
    double lift;  // 0.15 of the library em, as the reader takes it off
    OutlinePoint operator()(double x, double y) const {
        return {static_cast<std::int16_t>(std::lround(x * factor)),
                static_cast<std::int16_t>(std::lround(y * factor + lift))};
    }
};

// The contour's points with every implied on-curve point made explicit,
// rotated to start on an on-curve point.
std::vector<truetype::OutlinePoint> explicitPoints(const truetype::Contour& contour) {
    std::vector<truetype::OutlinePoint> points;
    const std::size_t n = contour.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto& p = contour[i];
        const auto& next = contour[(i + 1) % n];
        points.push_back(p);
        if (!p.onCurve && !next.onCurve)
            points.push_back({(p.x + next.x) / 2, (p.y + next.y) / 2, true});
    }
    std::size_t start = 0;
    while (start < points.size() && !points[start].onCurve) ++start;
    if (start == points.size()) return {};
    std::vector<truetype::OutlinePoint> rotated(points.begin() + static_cast<std::ptrdiff_t>(start), points.end());
    rotated.insert(rotated.end(), points.begin(), points.begin() + static_cast<std::ptrdiff_t>(start));
    return rotated;
}

OutlineSegment line(OutlinePoint from, OutlinePoint to) {
    OutlineSegment s;
    s.kind = SegmentKind::Line;
    s.points = {from, to, to, to};
    return s;
}

OutlineSegment curve(OutlinePoint from, OutlinePoint control, OutlinePoint to) {
    OutlineSegment s;
    s.kind = SegmentKind::Curve;
    s.points = {from, control, to, to};
    return s;
}

LibraryContour contourSegments(const truetype::Contour& contour, const Scale& scale) {
    const auto points = explicitPoints(contour);
    LibraryContour segments;
    if (points.size() < 2) return segments;
    const OutlinePoint first = scale(points[0].x, points[0].y);
    OutlinePoint current = first;
    for (std::size_t i = 1; i <= points.size(); ++i) {
        const auto& p = points[i % points.size()];
        const OutlinePoint at = i == points.size() ? first : scale(p.x, p.y);
        if (p.onCurve || i == points.size()) {
            if (!(at == current)) segments.push_back(line(current, at));
            current = at;
            continue;
        }
        // An off-curve point: the curve runs to the next (explicit) on-curve point.
        const auto& end = points[(i + 1) % points.size()];
        const OutlinePoint to = (i + 1) % points.size() == 0 ? first : scale(end.x, end.y);
        segments.push_back(curve(current, at, to));
        current = to;
        ++i;
    }
    return segments;
}

}  // namespace

std::vector<LibraryContour> libraryContoursOf(const truetype::GlyphOutline& outline, std::uint16_t fontEm,
                                              std::uint16_t libraryEm) {
    const Scale scale{static_cast<double>(libraryEm) / fontEm, std::trunc(0.15 * libraryEm)};
    std::vector<LibraryContour> contours;
    for (const truetype::Contour& contour : outline.contours) {
        LibraryContour segments = contourSegments(contour, scale);
        if (segments.size() >= 2 || (segments.size() == 1 && segments[0].kind == SegmentKind::Curve))
            contours.push_back(std::move(segments));
    }
    return contours;
}

std::int16_t libraryAdvanceOf(const truetype::GlyphOutline& outline, std::uint16_t fontEm, std::uint16_t libraryEm) {
    return static_cast<std::int16_t>(std::lround(static_cast<double>(outline.advanceWidth) * libraryEm / fontEm));
}

}  // namespace pelorin::fonts
