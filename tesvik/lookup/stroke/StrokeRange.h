#pragma once

// Which records of a stroke record file a stroke-order query reads, decided
// from the stroke-count index alone.

#include <cstdint>
#include <span>

#include "tesvik/lookup/stroke/StrokeRecords.h"

namespace tesvik::lookup {

// The query key meaning "no stroke count given".
inline constexpr StrokeCountKey kNoStrokeCountKey{{'0', '0'}};
// The group whose neighbours "63" and "65" are folded into it.
inline constexpr StrokeCountKey kSixtyFourKey{{'6', '4'}};

// The two-character key of a stroke count: the count in decimal, "0"-padded
// below 10, cut to its first two characters ("00" when no count is given);
// "63" and "65" become "64".
StrokeCountKey strokeQueryKey(std::uint32_t count);

// The shipped index widens ranges around the "64" group; the user index
// does not.
enum class StrokeIndexKind { Shipped, User };

// Records begin .. end-1 of the record file.
struct RecordRange {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;

    bool empty() const { return begin >= end; }
    bool operator==(const RecordRange&) const = default;
};

struct StrokeRangeRequest {
    StrokeCountKey key;
    bool strokesGiven = false;
    bool tolerance = false;
    StrokeIndexKind kind = StrokeIndexKind::Shipped;
};

// The records to read for a query from one index pair whose record file holds
// recordCount whole records. Key "00" reads the whole file when strokes are
// given and nothing otherwise; a key without a group reads nothing; a range
// that needs entries the index lacks, or that reaches past the record file,
// reads nothing.
RecordRange selectStrokeRange(std::span<const StrokeIndexEntry> index, const StrokeRangeRequest& request,
                              std::uint64_t recordCount);

}  // namespace tesvik::lookup
