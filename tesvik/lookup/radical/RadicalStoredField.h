#pragma once

// Matching fields of scrambled records without unscrambling them.
// Scrambling maps each byte on its own, so a plain text equals a field
// exactly when the text's scrambled form equals the stored bytes. The radical
// searches compare in stored form and unscramble only the records that
// match, which keeps a search close to the cost of reading the file.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "tesvik/chars/PackedChar.h"
#include "tesvik/lookup/files/Scrambling.h"

namespace tesvik::lookup {

// The bytes plain is stored as in a record file.
inline std::string storedForm(std::string_view plain) {
    std::string stored(plain);
    std::transform(stored.begin(), stored.end(), stored.begin(),
                   [](char c) { return static_cast<char>(scrambleByte(static_cast<std::uint8_t>(c))); });
    return stored;
}

// The bytes a query requires in a run of Length stored record bytes,
// compared a 64-bit word at a time and without a branch per byte: the
// outcome of each byte comparison is as unpredictable as the data.
template <std::size_t Length>
class StoredPattern {
public:
    // Requires the run's bytes from position at to equal storedBytes (callers
    // refuse criteria longer than their field; bytes past the run are ignored).
    void require(std::size_t at, std::string_view storedBytes) {
        for (std::size_t i = 0; i < storedBytes.size() && at + i < Length; ++i) {
            patternBytes_[at + i] = static_cast<std::uint8_t>(storedBytes[i]);
            maskBytes_[at + i] = 0xFF;
        }
        std::memcpy(pattern_.data(), patternBytes_.data(), Length);
        std::memcpy(mask_.data(), maskBytes_.data(), Length);
    }

    // run points at the run's first byte; exactly Length bytes are read.
    bool matches(const std::uint8_t* run) const {
        std::uint64_t differences = 0;
        for (std::size_t w = 0; w < kWords; ++w) {
            std::uint64_t word = 0;
            if (w + 1 < kWords || Length % 8 == 0) {
                std::memcpy(&word, run + w * 8, 8);
            } else {
                std::memcpy(&word, run + w * 8, Length % 8);
            }
            differences |= (word ^ pattern_[w]) & mask_[w];
        }
        return differences == 0;
    }

private:
    static constexpr std::size_t kWords = (Length + 7) / 8;
    std::array<std::uint8_t, kWords * 8> patternBytes_{};
    std::array<std::uint8_t, kWords * 8> maskBytes_{};
    std::array<std::uint64_t, kWords> pattern_{};
    std::array<std::uint64_t, kWords> mask_{};
};

inline char unscrambledChar(std::uint8_t stored) { return static_cast<char>(unscrambleByte(stored)); }

// The packed character of a stored record at offset: two little-endian
// words, the high word first. Built in registers rather than through a byte
// array, which would stall the loads that follow the byte stores.
inline chars::PackedChar storedPackedChar(std::span<const std::uint8_t> record, std::size_t offset) {
    const auto plain = [&](std::size_t i) { return static_cast<std::uint32_t>(unscrambleByte(record[offset + i])); };
    return (plain(0) << 16) | (plain(1) << 24) | plain(2) | (plain(3) << 8);
}

}  // namespace tesvik::lookup
