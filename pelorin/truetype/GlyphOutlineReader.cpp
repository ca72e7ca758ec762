#include "pelorin/truetype/GlyphOutlineReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/GlyfTable.h"
#include "pelorin/truetype/SimpleGlyphCodec.h"

namespace pelorin::truetype {
namespace {

using namespace component_flags;

constexpr int kMaxDepth = 8;
constexpr size_t kMaxComponentVisits = 4096;
constexpr size_t kMaxPoints = 65535;

struct Transform {
    double xx = 1, yx = 0, xy = 0, yy = 1;  // x' = xx*x + xy*y, y' = yx*x + yy*y
};

double F2Dot14(uint16_t raw) { return static_cast<int16_t>(raw) / 16384.0; }

// Far beyond any real outline, but small enough that sums of a few such
// values stay inside int32 however deeply hostile components nest.
constexpr double kCoordinateLimit = 1 << 24;

int32_t Round(double v) {
    return static_cast<int32_t>(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}

int32_t Sum(int32_t a, int32_t b) { return Round(static_cast<double>(a) + b); }
int32_t Difference(int32_t a, int32_t b) { return Round(static_cast<double>(a) - b); }

struct Component {
    uint16_t flags = 0;
    uint16_t glyph = 0;
    int32_t arg1 = 0, arg2 = 0;
    Transform transform;
};

std::optional<Component> ReadComponent(const ByteView& view, size_t& at) {
    Component c;
    const auto flags = view.U16(at), glyph = view.U16(at + 2);
    if (!flags || !glyph) return std::nullopt;
    c.flags = *flags;
    c.glyph = *glyph;
    at += 4;
    const bool xy = c.flags & kArgsAreXYValues;
    if (c.flags & kArgsAreWords) {
        const auto a = view.U16(at), b = view.U16(at + 2);
        if (!a || !b) return std::nullopt;
        c.arg1 = xy ? static_cast<int16_t>(*a) : *a;
        c.arg2 = xy ? static_cast<int16_t>(*b) : *b;
        at += 4;
    } else {
        const auto a = view.U8(at), b = view.U8(at + 1);
        if (!a || !b) return std::nullopt;
        c.arg1 = xy ? static_cast<int8_t>(*a) : *a;
        c.arg2 = xy ? static_cast<int8_t>(*b) : *b;
        at += 2;
    }
    if (c.flags & kHaveScale) {
        const auto s = view.U16(at);
        if (!s) return std::nullopt;
        c.transform.xx = c.transform.yy = F2Dot14(*s);
        at += 2;
    } else if (c.flags & kHaveXYScale) {
        const auto sx = view.U16(at), sy = view.U16(at + 2);
        if (!sx || !sy) return std::nullopt;
        c.transform.xx = F2Dot14(*sx);
        c.transform.yy = F2Dot14(*sy);
        at += 4;
    } else if (c.flags & kHaveTwoByTwo) {
        const auto a = view.U16(at), b = view.U16(at + 2), d = view.U16(at + 4), e = view.U16(at + 6);
        if (!a || !b || !d || !e) return std::nullopt;
        c.transform = {F2Dot14(*a), F2Dot14(*b), F2Dot14(*d), F2Dot14(*e)};
        at += 8;
    }
    return c;
}

class OutlineFlattener {
public:
    explicit OutlineFlattener(const SourceFont& font) : font_(font) {}

    // Appends the glyph's contours; false when its data is broken.
    bool Append(uint16_t glyphIndex, int depth, std::vector<Contour>& out) {
        if (depth > kMaxDepth || ++visits_ > kMaxComponentVisits || glyphIndex >= font_.NumGlyphs()) return false;
        const auto data = font_.GetGlyph(glyphIndex);
        const ByteView view(data);
        const auto contours = ReadField(data, GlyphHeader::numberOfContours);
        if (data.empty()) return true;
        if (!contours) return false;
        if (*contours >= 0) {
            auto simple = DecodeSimpleGlyph(data);
            if (!simple) return false;
            return Take(std::move(*simple), out);
        }
        return AppendComposite(view, depth, out);
    }

private:
    bool Take(std::vector<Contour> contours, std::vector<Contour>& out) {
        for (Contour& c : contours) {
            points_ += c.size();
            if (points_ > kMaxPoints) return false;
            out.push_back(std::move(c));
        }
        return true;
    }

    bool AppendComposite(const ByteView& view, int depth, std::vector<Contour>& out) {
        size_t at = 10;
        for (;;) {
            const auto component = ReadComponent(view, at);
            if (!component) return false;
            std::vector<Contour> child;
            if (!Append(component->glyph, depth + 1, child)) return false;
            const Transform& t = component->transform;
            for (Contour& c : child) {
                for (OutlinePoint& p : c) {
                    const double x = p.x, y = p.y;
                    p.x = Round(t.xx * x + t.xy * y);
                    p.y = Round(t.yx * x + t.yy * y);
                }
            }
            const auto offset = Offset(*component, out, child);
            if (!offset) return false;
            for (Contour& c : child) {
                for (OutlinePoint& p : c) p.x = Sum(p.x, offset->x), p.y = Sum(p.y, offset->y);
                out.push_back(std::move(c));
            }
            if (!(component->flags & kMoreComponents)) return true;
        }
    }

    // The component's offset: its x/y arguments (through its transform when
    // asked to), or the distance that brings its anchor point onto the
    // parent's anchor point.
    static std::optional<OutlinePoint> Offset(const Component& c, const std::vector<Contour>& parent,
                                              const std::vector<Contour>& child) {
        if (c.flags & kArgsAreXYValues) {
            if ((c.flags & kScaledComponentOffset) && !(c.flags & kUnscaledComponentOffset)) {
                const Transform& t = c.transform;
                return OutlinePoint{Round(t.xx * c.arg1 + t.xy * c.arg2), Round(t.yx * c.arg1 + t.yy * c.arg2), true};
            }
            return OutlinePoint{c.arg1, c.arg2, true};
        }
        const auto anchor = PointAt(parent, static_cast<size_t>(c.arg1));
        const auto own = PointAt(child, static_cast<size_t>(c.arg2));
        if (!anchor || !own) return std::nullopt;
        return OutlinePoint{Difference(anchor->x, own->x), Difference(anchor->y, own->y), true};
    }

    static std::optional<OutlinePoint> PointAt(const std::vector<Contour>& contours, size_t index) {
        for (const Contour& c : contours) {
            if (index < c.size()) return c[index];
            index -= c.size();
        }
        return std::nullopt;
    }

    const SourceFont& font_;
    size_t visits_ = 0;
    size_t points_ = 0;
};

}  // namespace

TrueTypeResult<GlyphOutline> ReadGlyphOutlineByIndex(const SourceFont& font, uint16_t glyphIndex) {
    using R = TrueTypeResult<GlyphOutline>;
    if (glyphIndex >= font.NumGlyphs()) {
        return R::failure(
            MakeError(TrueTypeErrorKind::NotFound, "glyph " + std::to_string(glyphIndex) + " past the font"));
    }
    GlyphOutline outline;
    outline.glyphIndex = glyphIndex;
    outline.advanceWidth = font.GetMetrics(glyphIndex).horizontal.advance;
    OutlineFlattener flattener(font);
    if (!flattener.Append(glyphIndex, 0, outline.contours)) {
        return R::failure(
            MakeError(TrueTypeErrorKind::Malformed, "glyph " + std::to_string(glyphIndex) + " is damaged"));
    }
    return outline;
}

TrueTypeResult<GlyphOutline> ReadGlyphOutline(const SourceFont& font, uint32_t codePoint) {
    const uint16_t glyph = font.GlyphForCode(codePoint);
    if (glyph == 0) {
        char text[16];
        std::snprintf(text, sizeof text, "U+%04X", codePoint);
        return TrueTypeResult<GlyphOutline>::failure(
            MakeError(TrueTypeErrorKind::NotFound, std::string(text) + " has no glyph"));
    }
    return ReadGlyphOutlineByIndex(font, glyph);
}

}  // namespace pelorin::truetype
