#pragma once

// The stroke-side records in their plain (unscrambled) form: the stroke-count
// index (6 bytes), the stroke records (17 bytes) and the user stroke source
// table buzimb.txt (18 bytes).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "tesvik/chars/PackedChar.h"

namespace tesvik::lookup {

inline constexpr std::size_t kStrokeIndexEntrySize = 6;
inline constexpr std::size_t kStrokeRecordSize = 17;
inline constexpr std::size_t kUserStrokeRowSize = 18;
inline constexpr std::size_t kStrokeFieldLength = 10;  // the first ten strokes, "0"-padded

inline constexpr char kUserStrokeMarker = '2';

// A total stroke count as two characters, normally two digits ("01".."99").
// Index entries may hold any two bytes; the terminator holds "fe".
struct StrokeCountKey {
    std::array<char, 2> chars{};

    std::string_view text() const { return {chars.data(), chars.size()}; }
    // The decimal value of the leading digits, 0 when there are none ("fe").
    int numericValue() const;
    bool operator==(const StrokeCountKey&) const = default;
};

inline constexpr StrokeCountKey kStrokeIndexEndKey{{'f', 'e'}};

// One entry of a stroke-count index: the count and the number (not byte
// offset) of its first record in the companion record file.
struct StrokeIndexEntry {
    StrokeCountKey key;
    std::uint32_t firstRecord = 0;

    bool operator==(const StrokeIndexEntry&) const = default;
};

// One character of a stroke record file.
struct StrokeRecord {
    chars::PackedChar character = 0;
    StrokeCountKey count;
    char marker = kUserStrokeMarker;                 // source marker, carried along uninterpreted
    std::array<char, kStrokeFieldLength> strokes{};  // "1".."5", padded with "0"

    bool operator==(const StrokeRecord&) const = default;
};

// One row of the user stroke source table; the row ends in a line feed.
struct UserStrokeRow {
    StrokeCountKey count;
    std::array<char, kStrokeFieldLength> strokes{};
    chars::PackedChar character = 0;
    char marker = kUserStrokeMarker;

    bool operator==(const UserStrokeRow&) const = default;
};

StrokeIndexEntry decodeStrokeIndexEntry(std::span<const std::uint8_t, kStrokeIndexEntrySize> bytes);
std::array<std::uint8_t, kStrokeIndexEntrySize> encodeStrokeIndexEntry(const StrokeIndexEntry& entry);

// Plain bytes of a record; the record files store them scrambled.
StrokeRecord decodeStrokeRecord(std::span<const std::uint8_t, kStrokeRecordSize> bytes);
std::array<std::uint8_t, kStrokeRecordSize> encodeStrokeRecord(const StrokeRecord& record);

UserStrokeRow decodeUserStrokeRow(std::span<const std::uint8_t, kUserStrokeRowSize> bytes);
std::array<std::uint8_t, kUserStrokeRowSize> encodeUserStrokeRow(const UserStrokeRow& row);

// The record that regeneration derives from a source table row.
StrokeRecord strokeRecordFromRow(const UserStrokeRow& row);

}  // namespace tesvik::lookup
