#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pelorin/truetype/BigEndian.h"

namespace pelorin::truetype {

// One (glyph index, code) pair of a character map.
struct CodeGlyph {
    uint32_t code = 0;
    uint16_t glyph = 0;
    friend bool operator==(const CodeGlyph&, const CodeGlyph&) = default;
};

// A format 4 subtable (segment mapping to delta values), checked on parse:
// its four arrays lie inside the bytes given; glyph-array reads are checked
// again per code.
class Format4Subtable {
public:
    static std::optional<Format4Subtable> Parse(ByteView subtable);

    uint16_t Lookup(uint32_t code) const;  // 0 when unmapped
    // Every mapped code but 0xFFFF, ascending, each once, glyph 0 left out.
    std::vector<CodeGlyph> Enumerate() const;

private:
    struct Segment {
        uint16_t start, end, delta, rangeOffset;
        size_t rangeOffsetAt;  // offset of this segment's idRangeOffset word in the subtable
    };
    uint16_t GlyphFor(const Segment& s, uint32_t code) const;

    ByteView bytes_;
    std::vector<Segment> segments_;
    bool sortedByEnd_ = false;
};

// A format 12 subtable (segmented coverage of 32-bit codes).
class Format12Subtable {
public:
    static std::optional<Format12Subtable> Parse(ByteView subtable);
    uint16_t Lookup(uint32_t code) const;  // 0 when unmapped
    // Every mapped code from `first` to U+10FFFF, ascending, each once, glyph 0 left out.
    std::vector<CodeGlyph> EnumerateFrom(uint32_t first) const;

private:
    struct Group {
        uint32_t start, end, startGlyph;
    };
    std::vector<Group> groups_;
    bool sorted_ = false;
};

// The `cmap` subtables a source font is read through: the first format 4
// subtable in record order (with its encoding ID) and, when present, the
// first Unicode format 12 subtable for codes beyond the BMP.
struct CharacterMap {
    uint16_t encodingId = 0;
    Format4Subtable format4;
    std::optional<Format12Subtable> format12;

    // Nothing when the table's version is not 0 or it has no usable format 4 subtable.
    static std::optional<CharacterMap> Parse(std::span<const uint8_t> cmap);
    uint16_t Lookup(uint32_t code) const;
};

}  // namespace pelorin::truetype
