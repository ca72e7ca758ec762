#include "pelorin/truetype/SimpleGlyphCodec.h"

#include <algorithm>
#include <limits>

#include "pelorin/truetype/BigEndian.h"

namespace pelorin::truetype {
namespace {

constexpr uint8_t kOnCurve = 0x01;
constexpr uint8_t kXShort = 0x02;
constexpr uint8_t kYShort = 0x04;
constexpr uint8_t kRepeat = 0x08;
constexpr uint8_t kXSameOrPositive = 0x10;
constexpr uint8_t kYSameOrPositive = 0x20;

// Flag bits and coordinate bytes of one delta on one axis.
void EncodeDelta(int32_t delta, uint8_t shortBit, uint8_t sameBit, uint8_t& flag, std::vector<uint8_t>& out) {
    if (delta == 0) {
        flag |= sameBit;
    } else if (delta > -256 && delta < 256) {
        flag |= shortBit;
        if (delta > 0) flag |= sameBit;
        out.push_back(static_cast<uint8_t>(delta > 0 ? delta : -delta));
    } else {
        AppendI16(out, static_cast<int16_t>(delta));
    }
}

void AppendFlags(std::vector<uint8_t>& out, const std::vector<uint8_t>& flags) {
    for (size_t i = 0; i < flags.size();) {
        size_t run = 1;
        while (i + run < flags.size() && flags[i + run] == flags[i] && run < 256) ++run;
        if (run >= 3) {
            out.push_back(flags[i] | kRepeat);
            out.push_back(static_cast<uint8_t>(run - 1));
        } else {
            out.insert(out.end(), run, flags[i]);
        }
        i += run;
    }
}

// Reads count coordinates of one axis into the points' field.
bool DecodeAxis(const ByteView& view, size_t& at, const std::vector<uint8_t>& flags, uint8_t shortBit,
                uint8_t sameBit, std::vector<int32_t>& values) {
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

std::vector<uint8_t> EncodeSimpleGlyph(std::span<const Contour> allContours) {
    std::vector<uint8_t> out;
    std::vector<Contour> contours;
    for (const Contour& c : allContours) {
        if (!c.empty()) contours.push_back(c);
    }
    if (contours.empty()) return out;
    int32_t xMin = std::numeric_limits<int32_t>::max(), yMin = xMin;
    int32_t xMax = std::numeric_limits<int32_t>::min(), yMax = xMax;
    for (const Contour& c : contours) {
        for (const OutlinePoint& p : c) {
            xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x);
            yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
        }
    }
    AppendI16(out, static_cast<int16_t>(contours.size()));
    for (int32_t v : {xMin, yMin, xMax, yMax}) AppendI16(out, static_cast<int16_t>(v));
    size_t end = 0;
    for (const Contour& c : contours) {
        end += c.size();
        AppendU16(out, static_cast<uint16_t>(end - 1));
    }
    AppendU16(out, 0);  // instructionLength

    std::vector<uint8_t> flags, xs, ys;
    OutlinePoint previous{0, 0, true};
    for (const Contour& c : contours) {
        for (const OutlinePoint& p : c) {
            uint8_t flag = p.onCurve ? kOnCurve : 0;
            EncodeDelta(p.x - previous.x, kXShort, kXSameOrPositive, flag, xs);
            EncodeDelta(p.y - previous.y, kYShort, kYSameOrPositive, flag, ys);
            flags.push_back(flag);
            previous = p;
        }
    }
    AppendFlags(out, flags);
    out.insert(out.end(), xs.begin(), xs.end());
    out.insert(out.end(), ys.begin(), ys.end());
    if (out.size() % 2 != 0) out.push_back(0);
    return out;
}

std::optional<std::vector<Contour>> DecodeSimpleGlyph(std::span<const uint8_t> glyph) {
    if (glyph.empty()) return std::vector<Contour>{};
    const ByteView view(glyph);
    const auto numberOfContours = view.I16(0);
    if (!numberOfContours || *numberOfContours < 0 || !view.Has(0, 10)) return std::nullopt;
    std::vector<uint16_t> ends(static_cast<size_t>(*numberOfContours));
    size_t at = 10;
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
