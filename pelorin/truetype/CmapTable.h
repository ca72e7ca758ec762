#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// `cmap`: a header, one encoding record per subtable, then the subtables.
struct CmapTable {
    static constexpr Field<uint16_t> version{0};
    static constexpr Field<uint16_t> numTables{2};
    static constexpr size_t kHeaderSize = 4;
};

struct CmapRecordLayout {
    static constexpr size_t kSize = 8;
    static constexpr Field<uint16_t> platformId{0};
    static constexpr Field<uint16_t> encodingId{2};
    static constexpr Field<uint32_t> subtableOffset{4};  // from the start of `cmap`

    static constexpr size_t At(size_t index) { return CmapTable::kHeaderSize + kSize * index; }
};

// Every subtable starts with its format.
struct CmapSubtableHeader {
    static constexpr Field<uint16_t> format{0};
};

struct CmapRecord {
    uint16_t platformId = 0;
    uint16_t encodingId = 0;
    uint32_t subtableOffset = 0;
};

// The encoding record at index, or nothing when the table is too short for it.
inline std::optional<CmapRecord> ReadCmapRecord(const ByteView& cmap, size_t index) {
    const auto record = cmap.Sub(CmapRecordLayout::At(index), CmapRecordLayout::kSize);
    if (!record) return std::nullopt;
    return CmapRecord{*ReadField(record->bytes(), CmapRecordLayout::platformId),
                      *ReadField(record->bytes(), CmapRecordLayout::encodingId),
                      *ReadField(record->bytes(), CmapRecordLayout::subtableOffset)};
}

}  // namespace pelorin::truetype
