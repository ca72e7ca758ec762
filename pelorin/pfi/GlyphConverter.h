#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "common/Result.h"
#include "pelorin/pfi/OutlineSegment.h"
#include "pelorin/pfi/PfiDoc.h"
#include "pelorin/pfi/PfiError.h"

namespace pelorin {

// The destination font's figures the conversion needs.
struct ConversionTarget {
    std::uint16_t em = 0;       // head.unitsPerEm
    std::int16_t ascender = 0;  // hhea.ascender
};

// The library's figures for one glyph.
struct LibraryGlyphMetrics {
    std::uint16_t em = 0;      // the library's em size
    std::int32_t advance = 0;  // the entry's advance, 0 already replaced by the em size
};

// Why a conversion produced no glyph, or produced one with a warning.
enum class ConversionNotice : std::uint8_t {
    None,
    TooManyContoursOrPoints,  // more than 512 contours or 4096 points: no glyph
    OutlineTooLarge,          // outside -E..2E on an axis: glyph kept
    OutlineOutOfRange,        // coordinates beyond what a glyph can store: no glyph
};

// The message the user sees for a notice (empty for None).
std::string_view NoticeText(ConversionNotice notice);

inline constexpr std::size_t kMaxConvertedContours = 512;
inline constexpr std::size_t kMaxConvertedPoints = 4096;
// Room for the glyph data of any conversion.
inline constexpr std::size_t kGlyphDataRoom = 10 + 2 * kMaxConvertedContours + 2 + 5 * kMaxConvertedPoints + 1;

// One converted glyph: TrueType simple-glyph bytes and its metrics, in the
// destination font's units. Without glyph data (an empty library glyph or a
// notice that refuses the glyph) the metrics still hold the advance width
// and the advance height, with both side bearings 0.
struct ConvertedGlyph {
    // The glyph's bytes at the start of the caller's buffer (even length);
    // empty when no glyph was produced (empty library glyph, or a notice).
    std::span<const std::uint8_t> data;
    std::uint16_t advanceWidth = 0;
    std::int16_t leftSideBearing = 0;
    std::uint16_t advanceHeight = 0;
    std::int16_t topSideBearing = 0;
    std::uint16_t contourCount = 0;
    std::uint16_t pointCount = 0;
    ConversionNotice notice = ConversionNotice::None;

    // hmtx / vmtx pairs: advance in the high 16 bits, side bearing in the low.
    std::uint32_t HorizontalMetric() const {
        return std::uint32_t{advanceWidth} << 16 | static_cast<std::uint16_t>(leftSideBearing);
    }
    std::uint32_t VerticalMetric() const {
        return std::uint32_t{advanceHeight} << 16 | static_cast<std::uint16_t>(topSideBearing);
    }
};

// Turns library glyphs into TrueType simple glyphs: optional curve
// optimisation, scaling to the target em with the library's baseline
// (0.15 em above its y = 0) on y = 0, the point sequence, limits and the
// glyph encoding. Owns its working storage, which grows to the largest glyph
// seen and is then reused, so converting a library allocates nothing per
// glyph. Not thread-safe; use one converter per thread.
class GlyphConverter {
public:
    GlyphConverter();

    // Looks `code` up in the library, decodes and converts it into `out`
    // (at least kGlyphDataRoom bytes). NotFound when the library has no such
    // code, Malformed when its record does not decode, BadArgument for a
    // target em of 0 or too small a buffer.
    lumenar::Result<ConvertedGlyph, PfiError> Convert(const CPfiDoc& library, std::uint16_t code,
                                                      const ConversionTarget& target, bool smooth,
                                                      std::span<std::uint8_t> out);

    // The same for an outline already decoded (a list as DecodeGlyph makes
    // it; an empty list is an empty glyph).
    lumenar::Result<ConvertedGlyph, PfiError> ConvertOutline(std::span<const OutlineSegment> outline,
                                                             const LibraryGlyphMetrics& library,
                                                             const ConversionTarget& target, bool smooth,
                                                             std::span<std::uint8_t> out);

private:
    std::vector<OutlineSegment> decoded_;
    std::vector<OutlineSegment> smoothed_;
    std::vector<std::int32_t> xs_;
    std::vector<std::int32_t> ys_;
    std::vector<std::uint8_t> onCurve_;
    std::vector<std::uint16_t> endPoints_;
};

// GlyphConverter::Convert with a converter kept per thread, for callers that
// convert one glyph at a time.
lumenar::Result<ConvertedGlyph, PfiError> ConvertGlyph(const CPfiDoc& library, std::uint16_t code,
                                                       const ConversionTarget& target, bool smooth,
                                                       std::span<std::uint8_t> out);

}  // namespace pelorin
