#include "pelorin/truetype/SimpleGlyphCodec.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/GlyfTable.h"

namespace pelorin::truetype {
namespace {

using namespace glyph_flags;

bool FitsInt16(int64_t v) {
    return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
}

bool IsShort(int32_t delta) { return std::abs(delta) < 256; }

class ByteWriter {
public:
    explicit ByteWriter(std::span<uint8_t> out) : out_(out) {}
    void U8(uint8_t v) { out_[pos_++] = v; }
    void U16(int32_t v) {
        U8(static_cast<uint8_t>((v >> 8) & 0xFF));
        U8(static_cast<uint8_t>(v & 0xFF));
    }
    size_t Pos() const { return pos_; }

private:
    std::span<uint8_t> out_;
    size_t pos_ = 0;
};

size_t DeltaBytes(std::span<const int32_t> values) {
    size_t size = 0;
    int32_t previous = 0;
    for (int32_t v : values) {
        size += IsShort(v - previous) ? 1 : 2;
        previous = v;
    }
    return size;
}

void WriteDeltas(ByteWriter& w, std::span<const int32_t> values) {
    int32_t previous = 0;
    for (int32_t v : values) {
        const int32_t delta = v - previous;
        if (IsShort(delta)) {
            w.U8(static_cast<uint8_t>(std::abs(delta)));
        } else {
            w.U16(delta);
        }
        previous = v;
    }
}

// Reads count coordinates of one axis into the points' field.
bool DecodeAxis(const ByteView& view, size_t& at, const std::vector<uint8_t>& flags, uint8_t shortBit, uint8_t sameBit,
                std::vector<int32_t>& values) {
    int32_t value = 0;
    for (size_t i = 0; i < flags.size(); ++i) {
        const uint8_t f = flags[i];
        if (f & shortBit) {
            const auto b = view.U8(at++);
            if (!b) return false;
            value += (f & sameBit) ? *b : -static_cast<int32_t>(*b);
        } else if (!(f & sameBit)) {
            const auto d = view.I16(at);
            if (!d) return false;
            at += 2;
            value += *d;
        }
        values[i] = value;
    }
    return true;
}

}  // namespace

GlyphBounds BoundsOf(const GlyphPoints& points) {
    if (points.xs.empty()) return {};
    const auto [xMin, xMax] = std::minmax_element(points.xs.begin(), points.xs.end());
    const auto [yMin, yMax] = std::minmax_element(points.ys.begin(), points.ys.end());
    return {*xMin, *yMin, *xMax, *yMax};
}

bool FitsSimpleGlyph(const GlyphPoints& points) {
    int64_t px = 0;
    int64_t py = 0;
    for (size_t i = 0; i < points.xs.size(); ++i) {
        const int64_t x = points.xs[i];
        const int64_t y = points.ys[i];
        if (!FitsInt16(x) || !FitsInt16(y) || !FitsInt16(x - px) || !FitsInt16(y - py)) return false;
        px = x;
        py = y;
    }
    return true;
}

size_t SimpleGlyphSize(const GlyphPoints& points) {
    const size_t size = GlyphHeader::kSize + 2 * points.endPoints.size() + 2 + points.xs.size() +
                        DeltaBytes(points.xs) + DeltaBytes(points.ys);
    return size + size % 2;
}

size_t EncodeSimpleGlyph(const GlyphPoints& points, const GlyphBounds& bounds, std::span<uint8_t> out) {
    ByteWriter w(out);
    w.U16(static_cast<int32_t>(points.endPoints.size()));
    w.U16(bounds.xMin);
    w.U16(bounds.yMin);
    w.U16(bounds.xMax);
    w.U16(bounds.yMax);
    for (uint16_t end : points.endPoints) w.U16(end);
    w.U16(0);  // instructionLength
    int32_t px = 0;
    int32_t py = 0;
    for (size_t i = 0; i < points.xs.size(); ++i) {
        const int32_t dx = points.xs[i] - px;
        const int32_t dy = points.ys[i] - py;
        uint8_t flag = points.onCurve[i] ? kOnCurve : 0;
        if (IsShort(dx)) flag |= kXShort | (dx >= 0 ? kXSameOrPositive : 0);
        if (IsShort(dy)) flag |= kYShort | (dy >= 0 ? kYSameOrPositive : 0);
        w.U8(flag);
        px = points.xs[i];
        py = points.ys[i];
    }
    WriteDeltas(w, points.xs);
    WriteDeltas(w, points.ys);
    if (w.Pos() % 2) w.U8(0);
    return w.Pos();
}

std::vector<uint8_t> EncodeSimpleGlyph(std::span<const Contour> contours) {
    std::vector<int32_t> xs, ys;
    std::vector<uint8_t> onCurve;
    std::vector<uint16_t> endPoints;
    for (const Contour& c : contours) {
        if (c.empty()) continue;
        for (const OutlinePoint& p : c) {
            xs.push_back(p.x);
            ys.push_back(p.y);
            onCurve.push_back(p.onCurve ? 1 : 0);
        }
        endPoints.push_back(static_cast<uint16_t>(xs.size() - 1));
    }
    if (xs.empty()) return {};
    const GlyphPoints points{xs, ys, onCurve, endPoints};
    std::vector<uint8_t> out(SimpleGlyphSize(points));
    out.resize(EncodeSimpleGlyph(points, BoundsOf(points), out));
    return out;
}

std::optional<std::vector<Contour>> DecodeSimpleGlyph(std::span<const uint8_t> glyph) {
    if (glyph.empty()) return std::vector<Contour>{};
    const ByteView view(glyph);
    const auto numberOfContours = ReadField(glyph, GlyphHeader::numberOfContours);
    if (!numberOfContours || *numberOfContours < 0 || !view.Has(0, GlyphHeader::kSize)) return std::nullopt;
    std::vector<uint16_t> ends(static_cast<size_t>(*numberOfContours));
    size_t at = GlyphHeader::kSize;
    for (size_t i = 0; i < ends.size(); ++i, at += 2) {
        const auto end = view.U16(at);
        if (!end || (i > 0 && *end <= ends[i - 1])) return std::nullopt;
        ends[i] = *end;
    }
    const size_t points = ends.empty() ? 0 : ends.back() + 1u;
    const auto instructionLength = view.U16(at);
    if (!instructionLength) return std::nullopt;
    at += 2 + *instructionLength;

    std::vector<uint8_t> flags;
    flags.reserve(points);
    while (flags.size() < points) {
        const auto f = view.U8(at++);
        if (!f) return std::nullopt;
        flags.push_back(*f);
        if (*f & kRepeat) {
            const auto repeat = view.U8(at++);
            if (!repeat || flags.size() + *repeat > points) return std::nullopt;
            flags.insert(flags.end(), *repeat, *f);
        }
    }
    std::vector<int32_t> xs(points), ys(points);
    if (!DecodeAxis(view, at, flags, kXShort, kXSameOrPositive, xs)) return std::nullopt;
    if (!DecodeAxis(view, at, flags, kYShort, kYSameOrPositive, ys)) return std::nullopt;

    std::vector<Contour> contours;
    size_t first = 0;
    for (uint16_t end : ends) {
        Contour c;
        for (size_t i = first; i <= end; ++i) c.push_back({xs[i], ys[i], (flags[i] & kOnCurve) != 0});
        contours.push_back(std::move(c));
        first = end + 1u;
    }
    return contours;
}

}  // namespace pelorin::truetype
