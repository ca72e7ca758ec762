#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/TableField.h"
#include "pelorin/truetype/TableTag.h"
#include "pelorin/truetype/TrueTypeError.h"

namespace pelorin::truetype {

struct DirectoryRecord {
    TableTag tag = 0;
    uint32_t checkSum = 0;
    uint32_t offset = 0;
    uint32_t length = 0;
};

// The offset table that starts a font (or a face of a collection).
struct OffsetTable {
    static constexpr size_t kSize = 12;
    static constexpr Field<uint32_t> sfntVersion{0};
    static constexpr Field<uint16_t> numTables{4};
    static constexpr Field<uint16_t> searchRange{6};
    static constexpr Field<uint16_t> entrySelector{8};
    static constexpr Field<uint16_t> rangeShift{10};
};

// One record of the table directory, which follows the offset table.
struct DirectoryRecordLayout {
    static constexpr size_t kSize = 16;
    static constexpr Field<uint32_t> tag{0};
    static constexpr Field<uint32_t> checkSum{4};
    static constexpr Field<uint32_t> offset{8};
    static constexpr Field<uint32_t> length{12};
};

// The header of a font collection: tag 'ttcf', then the face count and one
// offset table offset per face.
struct CollectionHeader {
    static constexpr Field<uint32_t> tag{0};
    static constexpr uint32_t kTag = MakeTag("ttcf");
    static constexpr Field<uint32_t> numFonts{8};
    static constexpr size_t kOffsetTableOffsets = 12;
};

inline constexpr uint32_t kTrueTypeVersion = 0x00010000;
inline constexpr uint32_t kAppleTrueTypeVersion = MakeTag("true");

struct TableDirectory {
    uint32_t sfntVersion = 0;
    std::vector<DirectoryRecord> records;  // directory order
};

// Reads the offset table at `at` and the directory after it. Fails when the
// offset table is cut short or its version is not one of acceptedVersions
// (NotTrueType), when the directory runs past the end of the file, a table
// lies outside the file or a tag is listed twice (Malformed).
TrueTypeResult<TableDirectory> ParseTableDirectory(const ByteView& file, size_t at,
                                                   std::span<const uint32_t> acceptedVersions);

// Bytes of an offset table and a directory of numTables records.
constexpr size_t TableDirectorySize(size_t numTables) {
    return OffsetTable::kSize + DirectoryRecordLayout::kSize * numTables;
}

// Writes the offset table (version 0x00010000, with its search fields) and
// the records at the start of out, which holds TableDirectorySize bytes.
void WriteTableDirectory(std::span<uint8_t> out, std::span<const DirectoryRecord> records);

}  // namespace pelorin::truetype
