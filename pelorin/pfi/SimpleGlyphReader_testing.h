#pragma once

// Test helper: reads TrueType simple-glyph bytes back into points, following
// the format's rules (flag repeats and "same" bits included).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pelorin/truetype/GlyfTable.h"

namespace pelorin::testing {

struct GlyphPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool on = true;
    friend bool operator==(const GlyphPoint&, const GlyphPoint&) = default;
};

struct ReadGlyph {
    std::int16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::vector<std::vector<GlyphPoint>> contours;
};

inline std::optional<ReadGlyph> ReadSimpleGlyph(std::span<const std::uint8_t> b) {
    using namespace truetype::glyph_flags;
    std::size_t pos = 0;
    auto u8 = [&](std::uint8_t& v) {
        if (pos >= b.size()) return false;
        v = b[pos++];
        return true;
    };
    auto i16 = [&](std::int32_t& v) {
        if (pos + 2 > b.size()) return false;
        v = static_cast<std::int16_t>(b[pos] << 8 | b[pos + 1]);
        pos += 2;
        return true;
    };
    ReadGlyph g;
    std::int32_t contours = 0, v = 0;
    if (!i16(contours) || contours < 0) return std::nullopt;
    std::int32_t box[4];
    for (std::int32_t& c : box)
        if (!i16(c)) return std::nullopt;
    g.xMin = static_cast<std::int16_t>(box[0]);
    g.yMin = static_cast<std::int16_t>(box[1]);
    g.xMax = static_cast<std::int16_t>(box[2]);
    g.yMax = static_cast<std::int16_t>(box[3]);
    std::vector<std::int32_t> ends;
    for (std::int32_t i = 0; i < contours; ++i) {
        if (!i16(v)) return std::nullopt;
        ends.push_back(static_cast<std::uint16_t>(v));
    }
    if (!i16(v)) return std::nullopt;
    pos += static_cast<std::uint16_t>(v);
    const std::size_t count = ends.empty() ? 0 : static_cast<std::size_t>(ends.back() + 1);
    std::vector<std::uint8_t> flags;
    while (flags.size() < count) {
        std::uint8_t f = 0, repeat = 0;
        if (!u8(f)) return std::nullopt;
        flags.push_back(f);
        if (f & kRepeat) {
            if (!u8(repeat)) return std::nullopt;
            flags.insert(flags.end(), repeat, f);
        }
    }
    std::vector<GlyphPoint> points(count);
    for (int axis = 0; axis < 2; ++axis) {
        const std::uint8_t shortBit = axis == 0 ? kXShort : kYShort;
        const std::uint8_t sameBit = axis == 0 ? kXSameOrPositive : kYSameOrPositive;
        std::int32_t value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            std::int32_t delta = 0;
            if (flags[i] & shortBit) {
                std::uint8_t d = 0;
                if (!u8(d)) return std::nullopt;
                delta = (flags[i] & sameBit) ? d : -d;
            } else if (!(flags[i] & sameBit)) {
                if (!i16(delta)) return std::nullopt;
            }
            value += delta;
            (axis == 0 ? points[i].x : points[i].y) = value;
            points[i].on = flags[i] & kOnCurve;
        }
    }
    std::size_t first = 0;
    for (std::int32_t end : ends) {
        g.contours.emplace_back(points.begin() + static_cast<std::ptrdiff_t>(first), points.begin() + end + 1);
        first = static_cast<std::size_t>(end + 1);
    }
    return g;
}

}  // namespace pelorin::testing
