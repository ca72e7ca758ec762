#include "pelorin/truetype/CmapSubtable.h"

#include <algorithm>

#include "pelorin/truetype/CmapTable.h"

namespace pelorin::truetype {
namespace {

// Keeps the first pair of each code.
std::vector<CodeGlyph> AscendingEachCodeOnce(std::vector<CodeGlyph> pairs) {
    const auto byCode = [](const CodeGlyph& a, const CodeGlyph& b) { return a.code < b.code; };
    // Subtables list their codes in order as a rule; a map of the whole code
    // space then costs no sort.
    if (!std::is_sorted(pairs.begin(), pairs.end(), byCode)) std::stable_sort(pairs.begin(), pairs.end(), byCode);
    pairs.erase(std::unique(pairs.begin(), pairs.end(),
                            [](const CodeGlyph& a, const CodeGlyph& b) { return a.code == b.code; }),
                pairs.end());
    return pairs;
}

}  // namespace

std::optional<Format4Subtable> Format4Subtable::Parse(ByteView subtable) {
    const auto format = ReadField(subtable.bytes(), CmapSubtableHeader::format);
    const auto segCountX2 = subtable.U16(6);
    if (!format || *format != 4 || !segCountX2 || *segCountX2 % 2 != 0) return std::nullopt;
    const size_t segCount = *segCountX2 / 2u;
    const size_t endAt = 14, startAt = 16 + 2 * segCount, deltaAt = 16 + 4 * segCount, rangeAt = 16 + 6 * segCount;
    if (!subtable.Has(rangeAt, 2 * segCount)) return std::nullopt;
    Format4Subtable table;
    table.bytes_ = subtable;
    table.segments_.reserve(segCount);
    for (size_t i = 0; i < segCount; ++i) {
        table.segments_.push_back({*subtable.U16(startAt + 2 * i), *subtable.U16(endAt + 2 * i),
                                   *subtable.U16(deltaAt + 2 * i), *subtable.U16(rangeAt + 2 * i), rangeAt + 2 * i});
    }
    table.sortedByEnd_ = std::is_sorted(table.segments_.begin(), table.segments_.end(),
                                        [](const Segment& a, const Segment& b) { return a.end < b.end; });
    return table;
}

uint16_t Format4Subtable::GlyphFor(const Segment& s, uint32_t code) const {
    if (s.rangeOffset == 0) return static_cast<uint16_t>(code + s.delta);
    const auto glyph = bytes_.U16(s.rangeOffsetAt + s.rangeOffset + 2 * (code - s.start));
    if (!glyph || *glyph == 0) return 0;
    return static_cast<uint16_t>(*glyph + s.delta);
}

uint16_t Format4Subtable::Lookup(uint32_t code) const {
    if (code > 0xFFFF) return 0;
    if (sortedByEnd_) {
        const auto s = std::partition_point(segments_.begin(), segments_.end(),
                                            [code](const Segment& seg) { return seg.end < code; });
        return s != segments_.end() && s->start <= code ? GlyphFor(*s, code) : 0;
    }
    for (const Segment& s : segments_) {
        if (s.start <= code && code <= s.end) return GlyphFor(s, code);
    }
    return 0;
}

std::vector<CodeGlyph> Format4Subtable::Enumerate() const {
    std::vector<CodeGlyph> pairs;
    // Segments overlapping earlier ones contribute only codes past them, so
    // a hostile table costs at most one pass over the code space.
    uint32_t next = 0;
    for (const Segment& s : segments_) {
        for (uint32_t code = std::max<uint32_t>(s.start, next); code <= s.end && code < 0xFFFF; ++code) {
            const uint16_t glyph = GlyphFor(s, code);
            if (glyph != 0) pairs.push_back({code, glyph});
        }
        next = std::max<uint32_t>(next, s.end + 1u);
    }
    return AscendingEachCodeOnce(std::move(pairs));
}

std::optional<Format12Subtable> Format12Subtable::Parse(ByteView subtable) {
    const auto format = ReadField(subtable.bytes(), CmapSubtableHeader::format);
    const auto numGroups = subtable.U32(12);
    if (!format || *format != 12 || !numGroups || !subtable.Has(16, 12ull * *numGroups)) return std::nullopt;
    Format12Subtable table;
    table.groups_.reserve(*numGroups);
    for (size_t i = 0; i < *numGroups; ++i) {
        const size_t at = 16 + 12 * i;
        table.groups_.push_back({*subtable.U32(at), *subtable.U32(at + 4), *subtable.U32(at + 8)});
    }
    table.sorted_ = std::is_sorted(table.groups_.begin(), table.groups_.end(),
                                   [](const Group& a, const Group& b) { return a.end < b.end; });
    return table;
}

uint16_t Format12Subtable::Lookup(uint32_t code) const {
    if (sorted_) {
        const auto g =
            std::partition_point(groups_.begin(), groups_.end(), [code](const Group& x) { return x.end < code; });
        return g != groups_.end() && g->start <= code ? static_cast<uint16_t>(g->startGlyph + (code - g->start)) : 0;
    }
    for (const Group& g : groups_) {
        if (g.start <= code && code <= g.end) return static_cast<uint16_t>(g.startGlyph + (code - g.start));
    }
    return 0;
}

std::vector<CodeGlyph> Format12Subtable::EnumerateFrom(uint32_t first) const {
    constexpr uint32_t kLastCode = 0x10FFFF;
    std::vector<CodeGlyph> pairs;
    // As for format 4: overlapping groups add only codes past the earlier ones.
    uint32_t next = first;
    for (const Group& g : groups_) {
        const uint32_t end = std::min(g.end, kLastCode);
        for (uint32_t code = std::max(g.start, next); code <= end; ++code) {
            const auto glyph = static_cast<uint16_t>(g.startGlyph + (code - g.start));
            if (glyph != 0) pairs.push_back({code, glyph});
        }
        next = std::max(next, end + 1);
    }
    return AscendingEachCodeOnce(std::move(pairs));
}

std::optional<CharacterMap> CharacterMap::Parse(std::span<const uint8_t> cmapBytes) {
    const ByteView cmap(cmapBytes);
    const auto version = ReadField(cmapBytes, CmapTable::version);
    const auto numTables = ReadField(cmapBytes, CmapTable::numTables);
    if (!version || *version != 0 || !numTables) return std::nullopt;
    std::optional<CharacterMap> chosen;
    std::optional<Format12Subtable> format12;
    for (size_t i = 0; i < *numTables; ++i) {
        const auto record = ReadCmapRecord(cmap, i);
        if (!record || record->subtableOffset >= cmap.size()) continue;
        const uint16_t platform = record->platformId, encoding = record->encodingId;
        const ByteView subtable = *cmap.Sub(record->subtableOffset, cmap.size() - record->subtableOffset);
        if (!chosen) {
            // Unicode-platform records count as the Windows Unicode encoding.
            const uint16_t windowsEncoding = platform == 0 ? 1 : encoding;
            if (auto f4 = Format4Subtable::Parse(subtable))
                chosen = CharacterMap{windowsEncoding, std::move(*f4), std::nullopt};
        }
        const bool unicode = platform == 0 || (platform == 3 && encoding == 10);
        if (!format12 && unicode) format12 = Format12Subtable::Parse(subtable);
    }
    if (chosen) chosen->format12 = std::move(format12);
    return chosen;
}

uint16_t CharacterMap::Lookup(uint32_t code) const {
    if (format12) {
        if (const uint16_t glyph = format12->Lookup(code)) return glyph;
    }
    return format4.Lookup(code);
}

}  // namespace pelorin::truetype
