#pragma once

// Test helper: the decoded form of polygon outlines, as DecodeGlyph would
// produce it for contours of lines.

#include <vector>

#include "pelorin/pfi/OutlineSegment.h"

namespace pelorin::testing {

inline OutlineSegment LineSegment(OutlinePoint a, OutlinePoint b) {
    OutlineSegment s;
    s.kind = SegmentKind::Line;
    s.points[0] = a;
    s.points[1] = b;
    return s;
}

// Each polygon is closed by a line from its last vertex to its first.
inline std::vector<OutlineSegment> PolygonOutline(const std::vector<std::vector<OutlinePoint>>& polygons) {
    std::vector<OutlineSegment> out;
    for (const auto& vertices : polygons) {
        const std::size_t head = out.size();
        out.emplace_back();
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            out.push_back(LineSegment(vertices[i], vertices[(i + 1) % vertices.size()]));
        }
        out[head] = out.back();
        out[head].role = SegmentRole::Head;
        out.push_back(out[head + 1]);
        out.back().role = SegmentRole::Tail;
    }
    OutlineSegment end;
    end.role = SegmentRole::End;
    out.push_back(end);
    return out;
}

}  // namespace pelorin::testing
