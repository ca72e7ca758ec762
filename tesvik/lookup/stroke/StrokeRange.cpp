#include "tesvik/lookup/stroke/StrokeRange.h"

#include <optional>
#include <string>

namespace tesvik::lookup {
namespace {

// With tolerance, entry 49 ends at entry 50 whatever follows it: the last
// group of an index of fifty groups. The shipped index now holds more, and
// its group 49 ("53") has no neighbour above it, so the rule changes nothing
// there.
constexpr std::size_t kLastShippedGroup = 49;

class IndexView {
public:
    explicit IndexView(std::span<const StrokeIndexEntry> entries) : entries_(entries) {}

    bool has(std::size_t k) const { return k < entries_.size(); }
    std::uint64_t first(std::size_t k) const { return entries_[k].firstRecord; }
    int number(std::size_t k) const { return entries_[k].key.numericValue(); }
    bool isTerminator(std::size_t k) const { return number(k) == 0; }
    bool isSixtyFour(std::size_t k) const { return entries_[k].key == kSixtyFourKey; }

    std::optional<std::size_t> find(StrokeCountKey key) const {
        for (std::size_t k = 0; k < entries_.size(); ++k) {
            if (entries_[k].key == key) return k;
        }
        return std::nullopt;
    }

private:
    std::span<const StrokeIndexEntry> entries_;
};

// A "64" group ends at the next entry like any other: the shipped index has
// groups above it (76, 84), which a 64-stroke query must not list.
std::optional<RecordRange> exactRange(const IndexView& index, std::size_t k, StrokeIndexKind kind) {
    const bool shipped = kind == StrokeIndexKind::Shipped;
    if (!index.has(k + 1)) return std::nullopt;
    const bool plusOne = shipped && index.isSixtyFour(k + 1);
    return RecordRange{index.first(k), index.first(k + 1) + (plusOne ? 1 : 0)};
}

std::optional<RecordRange> tolerantRange(const IndexView& index, std::size_t k, StrokeIndexKind kind) {
    if (!index.has(k + 1)) return std::nullopt;
    if (kind == StrokeIndexKind::Shipped && index.isSixtyFour(k) && index.isTerminator(k + 1)) {
        return RecordRange{index.first(k), index.first(k + 1)};
    }
    const bool lowerNeighbour = k > 0 && index.number(k) - index.number(k - 1) <= 1;
    const std::uint64_t begin = lowerNeighbour ? index.first(k - 1) : index.first(k);
    std::size_t endEntry = k + 1;
    if (k == kLastShippedGroup) {
        endEntry = kLastShippedGroup + 1;
    } else if (!index.isTerminator(k + 1) && index.number(k + 1) - index.number(k) <= 1) {
        endEntry = k + 2;
    }
    if (!index.has(endEntry)) return std::nullopt;
    return RecordRange{begin, index.first(endEntry)};
}

}  // namespace

StrokeCountKey strokeQueryKey(std::uint32_t count) {
    const std::string digits = std::to_string(count);
    StrokeCountKey key = count < 10 ? StrokeCountKey{{'0', digits[0]}} : StrokeCountKey{{digits[0], digits[1]}};
    if (key.text() == "63" || key.text() == "65") key = kSixtyFourKey;
    return key;
}

RecordRange selectStrokeRange(std::span<const StrokeIndexEntry> entries, const StrokeRangeRequest& request,
                              std::uint64_t recordCount) {
    if (request.key == kNoStrokeCountKey) {
        return request.strokesGiven ? RecordRange{0, recordCount} : RecordRange{};
    }
    const IndexView index(entries);
    const auto k = index.find(request.key);
    if (!k) return {};
    const auto range = request.tolerance ? tolerantRange(index, *k, request.kind) : exactRange(index, *k, request.kind);
    if (!range || range->end > recordCount || range->empty()) return {};
    return *range;
}

}  // namespace tesvik::lookup
