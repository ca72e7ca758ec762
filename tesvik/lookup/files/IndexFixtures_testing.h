#pragma once

// Test and benchmark helpers: stroke index files built from a readable list
// of records, laid out and scrambled as the program stores them.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tesvik/lookup/files/RecordFile.h"
#include "tesvik/lookup/files/Scrambling.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeRecords.h"

namespace tesvik::lookup::fixtures {

inline void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file bytes of items, each encoded by encode, scrambled as the record
// files are when scrambled is Yes.
template <class Item, class Encode>
std::vector<std::uint8_t> fileBytes(std::span<const Item> items, Encode encode, Scrambled scrambled = Scrambled::No) {
    std::vector<std::uint8_t> bytes;
    for (const Item& item : items) {
        auto encoded = encode(item);
        if (scrambled == Scrambled::Yes) scrambleBytes(encoded);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    return bytes;
}

template <std::size_t N>
std::array<char, N> padded(std::string_view text, char pad = '0') {
    std::array<char, N> chars{};
    chars.fill(pad);
    for (std::size_t i = 0; i < text.size() && i < N; ++i) chars[i] = text[i];
    return chars;
}

inline StrokeCountKey countKey(std::string_view twoChars) { return StrokeCountKey{padded<2>(twoChars)}; }

// A stroke record as a test states it: {0x4E00, "01", "1", '1'}.
struct StrokeLine {
    chars::PackedChar character = 0;
    std::string count;    // two characters
    std::string strokes;  // as entered; padded with "0" to ten
    char marker = '1';
};

inline StrokeRecord toStrokeRecord(const StrokeLine& line) {
    return StrokeRecord{line.character, countKey(line.count), line.marker, padded<kStrokeFieldLength>(line.strokes)};
}

// The record file bytes of the lines, scrambled.
inline std::vector<std::uint8_t> strokeRecordFileBytes(std::span<const StrokeLine> lines) {
    return fileBytes(
        lines, [](const StrokeLine& line) { return encodeStrokeRecord(toStrokeRecord(line)); }, Scrambled::Yes);
}

inline std::vector<std::uint8_t> strokeIndexFileBytes(std::span<const StrokeIndexEntry> entries) {
    return fileBytes(entries, encodeStrokeIndexEntry);
}

// One entry per run of equal counts, then the terminator "fe" with the total.
inline std::vector<StrokeIndexEntry> groupIndexFor(std::span<const StrokeLine> lines) {
    std::vector<StrokeIndexEntry> entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines[i].count != lines[i - 1].count) {
            entries.push_back({countKey(lines[i].count), static_cast<std::uint32_t>(i)});
        }
    }
    entries.push_back({kStrokeIndexEndKey, static_cast<std::uint32_t>(lines.size())});
    return entries;
}

inline void writeStrokePair(const std::filesystem::path& indexPath, const std::filesystem::path& recordPath,
                            std::span<const StrokeLine> lines) {
    writeBytes(indexPath, strokeIndexFileBytes(groupIndexFor(lines)));
    writeBytes(recordPath, strokeRecordFileBytes(lines));
}

inline void writeShippedStrokePair(const std::filesystem::path& dir, std::span<const StrokeLine> lines) {
    writeStrokePair(dir / kShippedStrokeIndexFileName, dir / kShippedStrokeRecordFileName, lines);
}

inline void writeUserStrokePair(const std::filesystem::path& dir, std::span<const StrokeLine> lines) {
    writeStrokePair(dir / kUserStrokeIndexFileName, dir / kUserStrokeRecordFileName, lines);
}

// A buzimb.txt row as a test states it: {"05", "25", 0xE234}.
struct UserStrokeLine {
    std::string count;
    std::string strokes;
    chars::PackedChar character = 0;
};

inline std::vector<std::uint8_t> userStrokeTableBytes(std::span<const UserStrokeLine> lines) {
    return fileBytes(lines, [](const UserStrokeLine& line) {
        return encodeUserStrokeRow(UserStrokeRow{countKey(line.count), padded<kStrokeFieldLength>(line.strokes),
                                                 line.character, kUserStrokeMarker});
    });
}

}  // namespace tesvik::lookup::fixtures
