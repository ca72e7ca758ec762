#pragma once

// The radical-side records in their plain (unscrambled) form: the radical
// table newmb.dat (34 bytes), the radical-key index (8 bytes), the radical
// records (11 bytes) and the user radical source table (16 bytes).

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tesvik/chars/PackedChar.h"

namespace tesvik::lookup {

inline constexpr std::size_t kRadicalTableRecordSize = 34;
inline constexpr std::size_t kRadicalIndexEntrySize = 8;
inline constexpr std::size_t kRadicalRecordSize = 11;
inline constexpr std::size_t kUserRadicalRowSize = 16;

// The radical's two-digit stroke count followed by its two-character
// identifier, e.g. "03AB". Index entries may hold any four bytes.
struct RadicalKey {
    std::array<char, 4> chars{};

    // A key from exactly four characters; nullopt for any other length.
    static std::optional<RadicalKey> fromText(std::string_view text);

    std::string_view text() const { return {chars.data(), chars.size()}; }
    auto operator<=>(const RadicalKey&) const = default;
};

// The terminator key of a radical-key index.
inline constexpr RadicalKey kRadicalIndexEndKey{{'f', 'e', 'n', 'd'}};

// One radical of newmb.dat.
struct RadicalTableRecord {
    chars::PackedChar radical = 0;
    std::array<char, 2> count{};     // the radical's own stroke count, two digits
    std::array<char, 20> strokes{};  // its stroke order, "1".."5"
    std::array<char, 6> pinyin{};    // lower-case letters
    std::array<char, 2> identifier{};

    RadicalKey key() const { return RadicalKey{{count[0], count[1], identifier[0], identifier[1]}}; }
};

// One entry of a radical-key index: the key and its first record number.
struct RadicalIndexEntry {
    RadicalKey key;
    std::uint32_t firstRecord = 0;

    bool operator==(const RadicalIndexEntry&) const = default;
};

// One character filed under a radical.
struct RadicalRecord {
    chars::PackedChar character = 0;
    std::array<char, 2> remaining{};  // strokes outside the radical, two digits
    std::array<char, 4> strokes{};    // first three and last stroke outside, "0"-padded
    char marker = '0';                // source marker, carried along uninterpreted

    bool operator==(const RadicalRecord&) const = default;
};

// One row of the user radical source table buzibuzishoumb.txt.
struct UserRadicalRow {
    chars::PackedChar character = 0;  // 00 00 lo hi for the user's characters
    char marker = '0';
    RadicalKey key;
    std::array<char, 2> remaining{};  // two digits
    std::array<char, 4> strokes{};    // as entered, "0"-padded

    bool operator==(const UserRadicalRow&) const = default;

    // Bytes 5 to 14 of the row as text: the order the table is kept in.
    std::string sortText() const;
};

// The text a new row is placed by: its key, its two-digit remaining count and
// its stroke digits as entered, unpadded. It goes in front of the first row
// whose sortText() compares greater.
std::string userRadicalInsertText(const RadicalKey& key, std::array<char, 2> remaining, std::string_view strokes);

RadicalTableRecord decodeRadicalTableRecord(std::span<const std::uint8_t, kRadicalTableRecordSize> plain);
std::array<std::uint8_t, kRadicalTableRecordSize> encodeRadicalTableRecord(const RadicalTableRecord& record);

RadicalIndexEntry decodeRadicalIndexEntry(std::span<const std::uint8_t, kRadicalIndexEntrySize> bytes);
std::array<std::uint8_t, kRadicalIndexEntrySize> encodeRadicalIndexEntry(const RadicalIndexEntry& entry);

RadicalRecord decodeRadicalRecord(std::span<const std::uint8_t, kRadicalRecordSize> plain);
std::array<std::uint8_t, kRadicalRecordSize> encodeRadicalRecord(const RadicalRecord& record);

UserRadicalRow decodeUserRadicalRow(std::span<const std::uint8_t, kUserRadicalRowSize> bytes);
std::array<std::uint8_t, kUserRadicalRowSize> encodeUserRadicalRow(const UserRadicalRow& row);

// The radical record a source-table row regenerates to.
RadicalRecord radicalRecordOf(const UserRadicalRow& row);

}  // namespace tesvik::lookup
