#include "pelorin/pfi/SimpleGlyphEncoder.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace pelorin {

namespace {

constexpr std::uint8_t kOnCurve = 0x01;
constexpr std::uint8_t kXShort = 0x02;
constexpr std::uint8_t kYShort = 0x04;
constexpr std::uint8_t kXPositive = 0x10;
constexpr std::uint8_t kYPositive = 0x20;

bool FitsInt16(std::int64_t v) {
    return v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max();
}

bool IsShort(std::int32_t delta) { return std::abs(delta) < 256; }

class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> out) : out_(out) {}
    void U8(std::uint8_t v) { out_[pos_++] = v; }
    void U16(std::int32_t v) {
        U8(static_cast<std::uint8_t>((v >> 8) & 0xFF));
        U8(static_cast<std::uint8_t>(v & 0xFF));
    }
    std::size_t Pos() const { return pos_; }

private:
    std::span<std::uint8_t> out_;
    std::size_t pos_ = 0;
};

std::size_t DeltaBytes(std::span<const std::int32_t> values) {
    std::size_t size = 0;
    std::int32_t previous = 0;
    for (std::int32_t v : values) {
        size += IsShort(v - previous) ? 1 : 2;
        previous = v;
    }
    return size;
}

void WriteDeltas(ByteWriter& w, std::span<const std::int32_t> values) {
    std::int32_t previous = 0;
    for (std::int32_t v : values) {
        const std::int32_t delta = v - previous;
        if (IsShort(delta)) {
            w.U8(static_cast<std::uint8_t>(std::abs(delta)));
        } else {
            w.U16(delta);
        }
        previous = v;
    }
}

}  // namespace

GlyphBounds BoundsOf(const GlyphPoints& points) {
    if (points.xs.empty()) return {};
    const auto [xMin, xMax] = std::minmax_element(points.xs.begin(), points.xs.end());
    const auto [yMin, yMax] = std::minmax_element(points.ys.begin(), points.ys.end());
    return {*xMin, *yMin, *xMax, *yMax};
}

bool FitsSimpleGlyph(const GlyphPoints& points) {
    std::int64_t px = 0;
    std::int64_t py = 0;
    for (std::size_t i = 0; i < points.xs.size(); ++i) {
        const std::int64_t x = points.xs[i];
        const std::int64_t y = points.ys[i];
        if (!FitsInt16(x) || !FitsInt16(y) || !FitsInt16(x - px) || !FitsInt16(y - py)) return false;
        px = x;
        py = y;
    }
    return true;
}

std::size_t SimpleGlyphSize(const GlyphPoints& points) {
    const std::size_t size = 10 + 2 * points.endPoints.size() + 2 + points.xs.size() + DeltaBytes(points.xs) +
                             DeltaBytes(points.ys);
    return size + size % 2;
}

std::size_t EncodeSimpleGlyph(const GlyphPoints& points, const GlyphBounds& bounds, std::span<std::uint8_t> out) {
    ByteWriter w(out);
    w.U16(static_cast<std::int32_t>(points.endPoints.size()));
    w.U16(bounds.xMin);
    w.U16(bounds.yMin);
    w.U16(bounds.xMax);
    w.U16(bounds.yMax);
    for (std::uint16_t end : points.endPoints) w.U16(end);
    w.U16(0);  // instructionLength
    std::int32_t px = 0;
    std::int32_t py = 0;
    for (std::size_t i = 0; i < points.xs.size(); ++i) {
        const std::int32_t dx = points.xs[i] - px;
        const std::int32_t dy = points.ys[i] - py;
        std::uint8_t flag = points.onCurve[i] ? kOnCurve : 0;
        if (IsShort(dx)) flag |= kXShort | (dx >= 0 ? kXPositive : 0);
        if (IsShort(dy)) flag |= kYShort | (dy >= 0 ? kYPositive : 0);
        w.U8(flag);
        px = points.xs[i];
        py = points.ys[i];
    }
    WriteDeltas(w, points.xs);
    WriteDeltas(w, points.ys);
    if (w.Pos() % 2) w.U8(0);
    return w.Pos();
}

}  // namespace pelorin
