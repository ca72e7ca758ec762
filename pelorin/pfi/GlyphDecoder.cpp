#include "pelorin/pfi/GlyphDecoder.h"

#include <array>
#include <limits>
#include <string>

#include "pelorin/pfi/CoordinateStream.h"

namespace pelorin {

namespace {

constexpr std::size_t kMaxContours = 127;
constexpr std::uint8_t kAllLinesBit = 0x80;
constexpr std::uint8_t kOneByteCountLimit = 123;

struct ContourEntry {
    std::uint16_t segments = 0;
    bool allLines = false;
};

struct Malformation {
    std::string reason;
};

class Decoder {
public:
    Decoder(std::span<const std::uint8_t> record, std::span<OutlineSegment> room) : record_(record), room_(room) {}

    lumenar::Result<std::size_t, PfiError> Run() {
        if (record_.empty()) return Fail("the glyph record is empty");
        contourCount_ = record_[0] & 0x7F;
        glyphAllLines_ = (record_[0] & kAllLinesBit) != 0;
        if (contourCount_ == 0) return std::size_t{0};
        if (!ReadContourTable()) return Failure();
        if (!DecodeStream()) return Failure();
        return written_;
    }

private:
    lumenar::Result<std::size_t, PfiError> Fail(std::string reason) {
        reason_ = std::move(reason);
        return Failure();
    }
    lumenar::Result<std::size_t, PfiError> Failure() const {
        return lumenar::Result<std::size_t, PfiError>::failure({PfiErrorCode::Malformed, reason_});
    }
    bool Reject(std::string reason) {
        reason_ = std::move(reason);
        return false;
    }

    bool ReadContourTable() {
        std::size_t pos = 1;
        std::size_t curveBits = 0;
        for (std::size_t c = 0; c < contourCount_; ++c) {
            if (pos >= record_.size()) return Reject("the contour table runs past the end of the record");
            const std::uint8_t b = record_[pos++];
            const std::uint8_t v = b & 0x7F;
            std::uint16_t count = v;
            if (v > kOneByteCountLimit) {
                if (pos >= record_.size()) return Reject("the contour table runs past the end of the record");
                count = static_cast<std::uint16_t>((v - 124) * 256 + 124 + record_[pos++]);
            }
            if (count == 0) return Reject("contour " + std::to_string(c + 1) + " has no segments");
            contours_[c] = {count, (b & kAllLinesBit) != 0};
            if (!contours_[c].allLines) curveBits += count;
        }
        bitmapStart_ = pos;
        bitmapBits_ = (curveBits + 7) / 8 * 8;
        streamStart_ = pos + bitmapBits_ / 8;
        if (streamStart_ > record_.size()) return Reject("the curve bitmap runs past the end of the record");
        return true;
    }

    bool DecodeStream() {
        LoadContour(0);
        std::size_t pos = streamStart_;
        while (contoursDone_ < contourCount_) {
            if (pos >= record_.size()) return Reject("the record ends without its terminator");
            const StreamOpcode op = ReadStreamOpcode(record_.subspan(pos));
            switch (op.type) {
                case StreamOpcode::Type::Truncated:
                    return Reject("the opcode at byte " + std::to_string(pos) + " runs past the end of the record");
                case StreamOpcode::Type::BrokenEnd:
                    return Reject("the record's stream ends with 0xEE");
                case StreamOpcode::Type::End:
                    return EndEarly();
                case StreamOpcode::Type::Moves:
                    for (std::size_t i = 0; i < op.count; ++i) {
                        if (!ApplyMove(op.moves[i], pos)) return false;
                    }
                    pos += op.size;
                    break;
            }
        }
        if (pos >= record_.size()) return Reject("the record ends without its terminator");
        if (record_[pos] == kStreamBrokenEnd) return Reject("the record's stream ends with 0xEE");
        if (record_[pos] != kStreamEnd) return Reject("the stream does not end with 0xEF after the last contour");
        OutlineSegment end;
        end.role = SegmentRole::End;
        return Emit(end);
    }

    // The end mark before the last contour ends the glyph there: the
    // contours closed so far are kept, an unfinished one is dropped.
    bool EndEarly() {
        if (!pendingNewContour_) written_ = headIndex_;
        if (written_ == 0) return true;  // no contour closed: an empty glyph
        OutlineSegment end;
        end.role = SegmentRole::End;
        return Emit(end);
    }

    void LoadContour(std::size_t index) {
        remaining_ = contours_[index].segments;
        contourAllLines_ = contours_[index].allLines;
        pendingNewContour_ = true;
    }

    bool ApplyMove(OutlineMove move, std::size_t opcodePos) {
        if (contoursDone_ == contourCount_) {
            return Reject("the opcode at byte " + std::to_string(opcodePos) + " moves after the last contour");
        }
        const std::int32_t x = current_.x + move.dx;
        const std::int32_t y = current_.y + move.dy;
        if (!FitsInt16(x) || !FitsInt16(y)) return Reject("a point lies outside the 16-bit coordinate range");
        current_ = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
        if (pendingNewContour_) return BeginContour();
        segment_.points[filled_++] = current_;
        if (filled_ < PointsOf(segment_.kind)) return true;
        return FinishSegment();
    }

    bool BeginContour() {
        pendingNewContour_ = false;
        firstPoint_ = current_;
        headIndex_ = written_;
        if (!Emit(OutlineSegment{})) return false;  // the head, filled when the contour closes
        return BeginSegment();
    }

    bool BeginSegment() {
        segment_ = OutlineSegment{};
        segment_.points[0] = current_;
        filled_ = 1;
        if (glyphAllLines_ || contourAllLines_) {
            segment_.kind = SegmentKind::Line;
            return true;
        }
        if (bitIndex_ >= bitmapBits_) return Reject("the curve bitmap is too short");
        const std::uint8_t byte = record_[bitmapStart_ + bitIndex_ / 8];
        segment_.kind = ((byte >> (bitIndex_ % 8)) & 1) ? SegmentKind::Curve : SegmentKind::Line;
        ++bitIndex_;
        return true;
    }

    bool FinishSegment() {
        if (!Emit(segment_)) return false;
        if (--remaining_ > 0) return BeginSegment();
        if (current_ != firstPoint_) {
            OutlineSegment closing;
            closing.kind = SegmentKind::Line;
            closing.points[0] = current_;
            closing.points[1] = firstPoint_;
            if (!Emit(closing)) return false;
        }
        OutlineSegment tail = room_[headIndex_ + 1];
        tail.role = SegmentRole::Tail;
        OutlineSegment head = room_[written_ - 1];
        head.role = SegmentRole::Head;
        if (!Emit(tail)) return false;
        room_[headIndex_] = head;
        if (++contoursDone_ < contourCount_) LoadContour(contoursDone_);
        return true;
    }

    bool Emit(const OutlineSegment& segment) {
        if (written_ >= room_.size()) {
            return Reject("the glyph needs more than " + std::to_string(room_.size()) + " segment records");
        }
        room_[written_++] = segment;
        return true;
    }

    static bool FitsInt16(std::int32_t v) {
        return v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max();
    }
    static std::size_t PointsOf(SegmentKind kind) { return kind == SegmentKind::Curve ? 4 : 2; }

    std::span<const std::uint8_t> record_;
    std::span<OutlineSegment> room_;
    std::string reason_;

    std::size_t contourCount_ = 0;
    bool glyphAllLines_ = false;
    std::array<ContourEntry, kMaxContours> contours_{};
    std::size_t bitmapStart_ = 0;
    std::size_t bitmapBits_ = 0;
    std::size_t streamStart_ = 0;
    std::size_t bitIndex_ = 0;

    std::size_t contoursDone_ = 0;
    std::size_t remaining_ = 0;
    bool contourAllLines_ = false;
    bool pendingNewContour_ = true;
    OutlinePoint current_{};
    OutlinePoint firstPoint_{};
    std::size_t headIndex_ = 0;
    OutlineSegment segment_{};
    std::size_t filled_ = 0;
    std::size_t written_ = 0;
};

}  // namespace

std::size_t SegmentRoomFor(std::size_t recordLength) { return recordLength + 3 * kMaxContours + 1; }

lumenar::Result<std::size_t, PfiError> DecodeGlyph(std::span<const std::uint8_t> record,
                                                   std::span<OutlineSegment> room) {
    return Decoder(record, room).Run();
}

}  // namespace pelorin
