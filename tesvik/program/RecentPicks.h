#pragma once
// The row of characters the user picked last, from any page: pinned ones
// first (in the order they were pinned), then the others newest first, with
// no character twice and at most kRecentPicksCapacity in all.
#include "tesvik/chars/PackedChar.h"

#include <cstddef>
#include <vector>

namespace tesvik::program {

inline constexpr std::size_t kRecentPicksCapacity = 32;

struct RecentPick {
    chars::PackedChar value = 0;  // always the packed form
    bool pinned = false;
    bool operator==(const RecentPick&) const = default;
};

class RecentPicks {
public:
    RecentPicks() = default;
    // A row as stored; repeats and entries past the capacity are dropped.
    explicit RecentPicks(const std::vector<RecentPick>& stored);

    // A character was output or copied. A supplementary scalar and its packed
    // pair are the same character. A pinned character keeps its place; the
    // oldest unpinned one makes room when the row is full.
    void record(chars::PackedChar value);
    // Pinning moves the character behind the pinned ones; unpinning puts it
    // first among the others. Characters not in the row are ignored.
    void setPinned(chars::PackedChar value, bool pinned);
    bool isPinned(chars::PackedChar value) const;
    // Drops every character that is not pinned.
    void clear();

    const std::vector<RecentPick>& entries() const { return entries_; }
    std::vector<chars::PackedChar> values() const;

private:
    std::vector<RecentPick>::iterator find(chars::PackedChar packed);
    std::size_t pinnedCount() const;
    void trim();

    std::vector<RecentPick> entries_;
};

}  // namespace tesvik::program
