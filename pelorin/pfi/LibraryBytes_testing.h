#pragma once

// Test helper: lays out PFI library bytes from hand-written glyph records.

#include <unistd.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace pelorin::testing {

struct LibraryEntry {
    std::uint16_t code = 0;
    std::int16_t advance = 0;
    std::vector<std::uint8_t> record;
};

inline void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

// Header, then the index, then the records back to back.
inline std::vector<std::uint8_t> LibraryBytes(std::uint16_t emWord, const std::vector<LibraryEntry>& entries) {
    std::vector<std::uint8_t> out;
    const auto indexOffset = std::uint32_t{12};
    const auto dataOffset = static_cast<std::uint32_t>(12 + 8 * entries.size());
    PutU32(out, indexOffset);
    PutU32(out, dataOffset);
    PutU16(out, static_cast<std::uint16_t>(entries.size()));
    PutU16(out, emWord);
    for (const LibraryEntry& e : entries) {
        PutU16(out, e.code);
        PutU16(out, static_cast<std::uint16_t>(e.record.size()));
        PutU16(out, static_cast<std::uint16_t>(e.advance));
        PutU16(out, 0);
    }
    for (const LibraryEntry& e : entries) out.insert(out.end(), e.record.begin(), e.record.end());
    return out;
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pelorin::testing
