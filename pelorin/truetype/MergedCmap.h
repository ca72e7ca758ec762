#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pelorin/truetype/CmapSubtable.h"

namespace pelorin::truetype {

struct EncodingRecord {
    uint16_t platformId = 0;
    uint16_t encodingId = 0;
    uint16_t format = 0;  // of the subtable the record points to; 0 when that cannot be read
};

// The encoding records of a `cmap` table, in order; records that do not fit are left out.
std::vector<EncodingRecord> ReadEncodingRecords(std::span<const uint8_t> cmap);

// A format 4 subtable for a code-sorted (code, glyph) list: each maximal
// run in which code and glyph both rise by 1 is one segment (idDelta, no
// glyph array), then the closing 0xFFFF segment. When that would not fit
// the 16-bit length, runs of consecutive codes share a segment and take
// their glyphs from the glyph array. Codes above 0xFFFE are left out.
// Nothing when even the compact form does not fit.
std::optional<std::vector<uint8_t>> BuildFormat4(std::span<const CodeGlyph> sortedByCode);

// A format 12 subtable for a code-sorted (code, glyph) list: each maximal
// run in which code and glyph both rise by 1 is one group.
std::vector<uint8_t> BuildFormat12(std::span<const CodeGlyph> sortedByCode);

// The merged font's `cmap`: one record per source record with the same IDs
// in the same order. A record whose source subtable is format 12 points to
// one shared format 12 subtable of the whole list; of the others, the first
// points to a format 0 subtable (the glyph of each code below 256 when it
// fits a byte, else 0), the rest to one shared format 4 subtable.
std::optional<std::vector<uint8_t>> BuildMergedCmap(std::span<const EncodingRecord> records,
                                                    std::span<const CodeGlyph> sortedByCode);

}  // namespace pelorin::truetype
