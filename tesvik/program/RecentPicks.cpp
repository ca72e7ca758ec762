#include "tesvik/program/RecentPicks.h"

#include <algorithm>

namespace tesvik::program {

namespace {
chars::PackedChar packedForm(chars::PackedChar value) { return chars::packCodePoint(chars::codePointOf(value)); }
}  // namespace

RecentPicks::RecentPicks(const std::vector<RecentPick>& stored) {
    for (const RecentPick& pick : stored) {
        const chars::PackedChar packed = packedForm(pick.value);
        if (packed == 0 || find(packed) != entries_.end()) continue;
        entries_.push_back({packed, pick.pinned});
    }
    std::stable_partition(entries_.begin(), entries_.end(), [](const RecentPick& p) { return p.pinned; });
    trim();
    if (entries_.size() > kRecentPicksCapacity) entries_.resize(kRecentPicksCapacity);
}

void RecentPicks::record(chars::PackedChar value) {
    const chars::PackedChar packed = packedForm(value);
    if (packed == 0) return;
    auto found = find(packed);
    if (found != entries_.end()) {
        if (found->pinned) return;
        entries_.erase(found);
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(pinnedCount()), RecentPick{packed, false});
    trim();
}

void RecentPicks::setPinned(chars::PackedChar value, bool pinned) {
    auto found = find(packedForm(value));
    if (found == entries_.end() || found->pinned == pinned) return;
    const RecentPick moved{found->value, pinned};
    entries_.erase(found);
    // Behind the pinned ones either way: the last pinned, or the newest unpinned.
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(pinnedCount()), moved);
}

bool RecentPicks::isPinned(chars::PackedChar value) const {
    const chars::PackedChar packed = packedForm(value);
    return std::any_of(entries_.begin(), entries_.end(),
                       [packed](const RecentPick& p) { return p.value == packed && p.pinned; });
}

void RecentPicks::clear() {
    std::erase_if(entries_, [](const RecentPick& p) { return !p.pinned; });
}

std::vector<chars::PackedChar> RecentPicks::values() const {
    std::vector<chars::PackedChar> values;
    values.reserve(entries_.size());
    for (const RecentPick& pick : entries_) values.push_back(pick.value);
    return values;
}

std::vector<RecentPick>::iterator RecentPicks::find(chars::PackedChar packed) {
    return std::find_if(entries_.begin(), entries_.end(), [packed](const RecentPick& p) { return p.value == packed; });
}

std::size_t RecentPicks::pinnedCount() const {
    return static_cast<std::size_t>(
        std::count_if(entries_.begin(), entries_.end(), [](const RecentPick& p) { return p.pinned; }));
}

// Pinned characters always stay; the oldest of the others go first.
void RecentPicks::trim() {
    while (entries_.size() > kRecentPicksCapacity && !entries_.back().pinned) entries_.pop_back();
}

}  // namespace tesvik::program
