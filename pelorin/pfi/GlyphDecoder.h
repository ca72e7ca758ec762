#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "common/Result.h"
#include "pelorin/pfi/OutlineSegment.h"
#include "pelorin/pfi/PfiError.h"

namespace pelorin {

// Segment records that are always enough for a glyph record of this many
// bytes. (Room for one record per byte, as old callers provide, is not: a
// record may hold more segments than bytes; DecodeGlyph then reports it.)
std::size_t SegmentRoomFor(std::size_t recordLength);

// Decodes a glyph record's compressed outline into `room`: per contour a
// head record, the contour's segments (with a closing line when its moves
// end away from its first point) and a tail record, then one end record.
// Returns the number of records written, end record included, or 0 for a
// glyph without contours. An end mark (0xEF) before the last contour ends the
// glyph there: the contours closed before it are kept, an unfinished one is
// dropped. Any other record that does not decode completely is a
// PfiErrorCode::Malformed error. Never reads outside `record` and never
// writes outside `room`.
lumenar::Result<std::size_t, PfiError> DecodeGlyph(std::span<const std::uint8_t> record,
                                                   std::span<OutlineSegment> room);

}  // namespace pelorin
