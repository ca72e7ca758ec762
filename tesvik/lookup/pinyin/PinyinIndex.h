#pragma once

// pinyin.idx: 15-byte ASCII records. Record 0 is the header ("Lumenar", then
// the number of keys and "#"); then one record per key, "key@end#", where
// end is the cumulative number of pinyin.data entries up to and including
// the key's; a record beginning with "$" closes the list.

#include "common/Result.h"
#include "tesvik/messages/Messages.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tesvik::lookup {

// Entries first .. first+count-1 of pinyin.data.
struct PinyinEntryRange {
    std::uint32_t first = 0;
    std::uint32_t count = 0;

    bool operator==(const PinyinEntryRange&) const = default;
};

class PinyinIndex {
public:
    static constexpr std::size_t kRecordSize = 15;

    // An index that finds nothing (the state after a failed load).
    PinyinIndex() = default;

    // Reads pinyin.idx. A missing file reports PinyinFilesDamaged, a wrong
    // signature DataFilesMissing; in both cases the caller keeps an empty
    // index.
    static lumenar::Result<PinyinIndex, Message> load(const std::filesystem::path& path);
    static lumenar::Result<PinyinIndex, Message> fromBytes(std::string bytes);

    // The entries of one key (a-z letters and a tone digit), or nullopt when
    // the key is not in the index.
    std::optional<PinyinEntryRange> find(std::string_view key) const;

    // The record where the keys beginning with `letter` ('b' to 'z') start, 0
    // when there are none; '$' gives the closing record.
    std::uint32_t letterStart(char letter) const;

private:
    static constexpr std::size_t kClosingSlot = 25;  // slots 0-24 are 'b' to 'z'

    explicit PinyinIndex(std::string bytes) : bytes_(std::move(bytes)) {}

    std::size_t recordCount() const { return bytes_.size() / kRecordSize; }
    std::string_view record(std::size_t n) const {
        return std::string_view(bytes_).substr(n * kRecordSize, kRecordSize);
    }
    void buildLetterTable(std::uint32_t bound);
    std::uint32_t endCounterAfter(char letter) const;
    std::uint32_t cumulativeEnd(std::size_t n) const;

    std::string bytes_;
    std::array<std::uint32_t, 26> letters_{};
};

// The number written after a record's '@' (digits up to '#'), 0 when none.
std::uint32_t pinyinRecordNumber(std::string_view record, char after);

}  // namespace tesvik::lookup
