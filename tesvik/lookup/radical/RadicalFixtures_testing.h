#pragma once

// Test and benchmark helpers: radical table, radical index pairs and user
// radical source tables built from readable lines, laid out and scrambled as
// the program stores them.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/files/Scrambling.h"
#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/radical/RadicalRecords.h"

namespace tesvik::lookup::fixtures {

inline RadicalKey radicalKey(std::string_view fourChars) { return RadicalKey{padded<4>(fourChars, ' ')}; }

// A newmb.dat record: {0x2EBD, "06", "3511", "jiu", "A1"}.
struct RadicalLine {
    chars::PackedChar radical = 0;
    std::string count;    // two characters
    std::string strokes;  // padded with "0" to twenty
    std::string pinyin;   // padded with blanks to six
    std::string identifier;
};

inline std::vector<std::uint8_t> radicalTableBytes(std::span<const RadicalLine> lines) {
    return fileBytes(
        lines,
        [](const RadicalLine& line) {
            return encodeRadicalTableRecord(RadicalTableRecord{line.radical, padded<2>(line.count),
                                                               padded<20>(line.strokes), padded<6>(line.pinyin, ' '),
                                                               padded<2>(line.identifier, ' ')});
        },
        Scrambled::Yes);
}

inline void writeRadicalTable(const std::filesystem::path& dir, std::span<const RadicalLine> lines) {
    writeBytes(dir / RadicalTableFileName, radicalTableBytes(lines));
}

// A radical record under its key: {"03AA", 0x6C5F, "03", "121"}.
struct RadicalCharLine {
    std::string key;
    chars::PackedChar character = 0;
    std::string remaining;  // two characters
    std::string strokes;    // padded with "0" to four
    char marker = '1';
};

inline std::vector<std::uint8_t> radicalRecordFileBytes(std::span<const RadicalCharLine> lines) {
    return fileBytes(
        lines,
        [](const RadicalCharLine& line) {
            return encodeRadicalRecord(
                RadicalRecord{line.character, padded<2>(line.remaining), padded<4>(line.strokes), line.marker});
        },
        Scrambled::Yes);
}

// One entry per run of equal keys, then "fend" with the total.
inline std::vector<RadicalIndexEntry> radicalIndexFor(std::span<const RadicalCharLine> lines) {
    std::vector<RadicalIndexEntry> entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines[i].key != lines[i - 1].key) {
            entries.push_back({radicalKey(lines[i].key), static_cast<std::uint32_t>(i)});
        }
    }
    entries.push_back({kRadicalIndexEndKey, static_cast<std::uint32_t>(lines.size())});
    return entries;
}

inline std::vector<std::uint8_t> radicalIndexBytes(std::span<const RadicalIndexEntry> entries) {
    return fileBytes(entries, encodeRadicalIndexEntry);
}

inline void writeRadicalPair(const RadicalIndexPair& paths, std::span<const RadicalCharLine> lines) {
    writeBytes(paths.index, radicalIndexBytes(radicalIndexFor(lines)));
    writeBytes(paths.records, radicalRecordFileBytes(lines));
}

// A buzibuzishoumb.txt row: {0xE234, "03AA", "05", "25"}.
struct UserRadicalLine {
    chars::PackedChar character = 0;
    std::string key;
    std::string remaining;
    std::string strokes;
};

inline std::vector<std::uint8_t> userRadicalTableBytes(std::span<const UserRadicalLine> lines) {
    return fileBytes(lines, [](const UserRadicalLine& line) {
        return encodeUserRadicalRow(UserRadicalRow{line.character, '0', radicalKey(line.key), padded<2>(line.remaining),
                                                   padded<4>(line.strokes)});
    });
}

}  // namespace tesvik::lookup::fixtures
