#include "pelorin/pfi/GlyphConverter.h"

#include <algorithm>
#include <limits>

#include "pelorin/pfi/GlyphDecoder.h"
#include "pelorin/pfi/LibraryScale.h"
#include "pelorin/pfi/OutlineSmoothing.h"
#include "pelorin/pfi/PfiMessages.h"
#include "pelorin/truetype/SimpleGlyphCodec.h"

namespace pelorin {

using truetype::GlyphBounds;
using truetype::GlyphPoints;

namespace {

using ConversionResult = lumenar::Result<ConvertedGlyph, PfiError>;

// Working storage starts at this record size and grows to the largest seen.
constexpr std::size_t kTypicalRecord = 4096;

ConversionResult Fail(PfiErrorCode code, std::string detail) {
    return ConversionResult::failure({code, std::move(detail)});
}

// Head, one or more inner segments and a tail per contour, one end record.
bool IsWellFormed(std::span<const OutlineSegment> outline) {
    std::size_t i = 0;
    while (i < outline.size() && outline[i].role == SegmentRole::Head) {
        std::size_t inner = 0;
        for (++i; i < outline.size() && outline[i].role == SegmentRole::Inner; ++i) ++inner;
        if (inner == 0 || i >= outline.size() || outline[i].role != SegmentRole::Tail) return false;
        ++i;
    }
    return i + 1 == outline.size() && outline[i].role == SegmentRole::End && i > 0;
}

std::int16_t ClampInt16(std::int64_t v) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

// Collects the point sequence of the outline's contours in target units.
class PointSequence {
public:
    PointSequence(const LibraryScale& scaler, std::vector<std::int32_t>& xs, std::vector<std::int32_t>& ys,
                  std::vector<std::uint8_t>& onCurve, std::vector<std::uint16_t>& endPoints)
        : scaler_(scaler), xs_(xs), ys_(ys), onCurve_(onCurve), endPoints_(endPoints) {}

    // False when the glyph exceeds the contour or point limit.
    bool Build(std::span<const OutlineSegment> outline) {
        std::size_t begin = 0;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            if (outline[i].role != SegmentRole::Tail) continue;
            if (!AddContour(outline.subspan(begin, i + 1 - begin))) return false;
            begin = i + 1;
        }
        return true;
    }

    std::size_t Points() const { return points_; }
    std::size_t Contours() const { return contours_; }

private:
    // `contour` runs from its first record to its tail: the first record
    // gives nothing, the next one's start is the first point; the record
    // before the tail closes the contour on that first point.
    bool AddContour(std::span<const OutlineSegment> contour) {
        if (contours_ == kMaxConvertedContours) return false;
        const std::size_t beforeTail = contour.size() - 2;
        if (!Add(contour[1].points[0], true)) return false;
        for (std::size_t j = 1; j < beforeTail; ++j) {
            const OutlineSegment& s = contour[j];
            if (s.kind == SegmentKind::Curve) {
                if (!Add(s.points[1], false) || !Add(s.points[2], true)) return false;
            } else if (!Add(s.points[1], true)) {
                return false;
            }
        }
        if (contour[beforeTail].kind == SegmentKind::Curve && !Add(contour[beforeTail].points[1], false)) return false;
        endPoints_[contours_++] = static_cast<std::uint16_t>(points_ - 1);
        return true;
    }

    bool Add(OutlinePoint p, bool on) {
        if (points_ == kMaxConvertedPoints) return false;
        xs_[points_] = scaler_.X(p.x);
        ys_[points_] = scaler_.Y(p.y);
        onCurve_[points_] = on ? 1 : 0;
        ++points_;
        return true;
    }

    const LibraryScale& scaler_;
    std::vector<std::int32_t>& xs_;
    std::vector<std::int32_t>& ys_;
    std::vector<std::uint8_t>& onCurve_;
    std::vector<std::uint16_t>& endPoints_;
    std::size_t points_ = 0;
    std::size_t contours_ = 0;
};

// Metrics of a glyph that produced no data: advance and height, no bearings.
ConvertedGlyph Blank(const LibraryGlyphMetrics& library, const ConversionTarget& target) {
    ConvertedGlyph glyph;
    const std::int64_t advance = std::int64_t{target.em} * library.advance / library.em;
    glyph.advanceWidth = static_cast<std::uint16_t>(std::clamp<std::int64_t>(advance, 0, 0xFFFF));
    glyph.advanceHeight = target.em;
    return glyph;
}

bool OutsideBox(const GlyphBounds& b, std::int32_t em) {
    return b.xMin < -em || b.yMin < -em || b.xMax > 2 * em || b.yMax > 2 * em;
}

}  // namespace

std::string_view NoticeText(ConversionNotice notice) {
    switch (notice) {
        case ConversionNotice::TooManyContoursOrPoints:
            return pfi_messages::kTooManyContoursOrPoints;
        case ConversionNotice::OutlineTooLarge:
        case ConversionNotice::OutlineOutOfRange:
            return pfi_messages::kOutlineTooLarge;
        case ConversionNotice::None:
            break;
    }
    return {};
}

GlyphConverter::GlyphConverter()
    : decoded_(SegmentRoomFor(kTypicalRecord)),
      smoothed_(SmoothedRoomFor(decoded_.size())),
      xs_(kMaxConvertedPoints),
      ys_(kMaxConvertedPoints),
      onCurve_(kMaxConvertedPoints),
      endPoints_(kMaxConvertedContours) {}

lumenar::Result<ConvertedGlyph, PfiError> GlyphConverter::Convert(const CPfiDoc& library, std::uint16_t code,
                                                                  const ConversionTarget& target, bool smooth,
                                                                  std::span<std::uint8_t> out) {
    const auto record = library.FindGlyph(code);
    if (!record) return ConversionResult::failure(record.error());
    if (decoded_.size() < SegmentRoomFor(record->bytes.size())) decoded_.resize(SegmentRoomFor(record->bytes.size()));
    const auto count = DecodeGlyph(record->bytes, decoded_);
    if (!count) return ConversionResult::failure(count.error());
    return ConvertOutline(std::span<const OutlineSegment>(decoded_).first(*count), {library.EmSize(), record->advance},
                          target, smooth, out);
}

lumenar::Result<ConvertedGlyph, PfiError> GlyphConverter::ConvertOutline(std::span<const OutlineSegment> outline,
                                                                         const LibraryGlyphMetrics& library,
                                                                         const ConversionTarget& target, bool smooth,
                                                                         std::span<std::uint8_t> out) {
    if (target.em == 0 || library.em == 0) return Fail(PfiErrorCode::BadArgument, "an em size of 0 cannot be scaled");
    if (out.size() < kGlyphDataRoom) return Fail(PfiErrorCode::BadArgument, "the glyph buffer is too small");
    ConvertedGlyph glyph = Blank(library, target);
    if (outline.empty()) return glyph;
    if (!IsWellFormed(outline)) return Fail(PfiErrorCode::Malformed, "the outline's records are out of order");

    if (smooth) {
        if (smoothed_.size() < SmoothedRoomFor(outline.size())) smoothed_.resize(SmoothedRoomFor(outline.size()));
        outline = std::span<const OutlineSegment>(smoothed_).first(SmoothOutline(outline, smoothed_));
    }

    const LibraryScale scaler(library.em, target.em);
    PointSequence sequence(scaler, xs_, ys_, onCurve_, endPoints_);
    if (!sequence.Build(outline)) {
        glyph.notice = ConversionNotice::TooManyContoursOrPoints;
        return glyph;
    }
    const GlyphPoints points{std::span(xs_).first(sequence.Points()), std::span(ys_).first(sequence.Points()),
                             std::span(onCurve_).first(sequence.Points()),
                             std::span(endPoints_).first(sequence.Contours())};
    const GlyphBounds bounds = truetype::BoundsOf(points);
    if (!truetype::FitsSimpleGlyph(points)) {
        glyph.notice = ConversionNotice::OutlineOutOfRange;
        return glyph;
    }
    if (OutsideBox(bounds, target.em)) glyph.notice = ConversionNotice::OutlineTooLarge;

    glyph.data = out.first(truetype::EncodeSimpleGlyph(points, bounds, out));
    glyph.contourCount = static_cast<std::uint16_t>(sequence.Contours());
    glyph.pointCount = static_cast<std::uint16_t>(sequence.Points());
    glyph.leftSideBearing = static_cast<std::int16_t>(bounds.xMin);
    glyph.topSideBearing = ClampInt16(std::int64_t{target.ascender} - bounds.yMax);
    return glyph;
}

lumenar::Result<ConvertedGlyph, PfiError> ConvertGlyph(const CPfiDoc& library, std::uint16_t code,
                                                       const ConversionTarget& target, bool smooth,
                                                       std::span<std::uint8_t> out) {
    thread_local GlyphConverter converter;
    return converter.Convert(library, code, target, smooth, out);
}

}  // namespace pelorin
