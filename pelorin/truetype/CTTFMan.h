#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "pelorin/truetype/FontFields.h"
#include "pelorin/truetype/TableDirectory.h"
#include "pelorin/truetype/TableField.h"
#include "pelorin/truetype/TableTag.h"
#include "pelorin/truetype/TrueTypeError.h"

namespace pelorin::truetype {

// A TrueType file held in memory: the table directory, in directory order,
// and each table's bytes. Tables are written out in the order their data was
// appended (for a parsed file, the order they had in it), each on a 4-byte
// boundary, with true checksums and `head` checkSumAdjustment. Nothing is laid
// out until Serialize, so growing a table never moves the others.
class CTTFMan : public FontFields<CTTFMan> {
public:
    // An empty font whose directory holds these tags in this order; a tag
    // gets a directory record only here, and only tables given data with
    // AppendTable are written.
    static CTTFMan WithDirectory(std::vector<TableTag> directoryOrder);
    // The whole file in memory; rejects a version other than 0x00010000 and
    // any table that does not lie inside the file.
    static TrueTypeResult<CTTFMan> Parse(std::span<const uint8_t> file);
    static TrueTypeResult<CTTFMan> OpenExisting(const std::filesystem::path& path);

    bool HasRecord(TableTag tag) const { return Find(tag) != nullptr; }
    bool HasTable(TableTag tag) const;
    // Length of the table, 0 when it is absent.
    size_t TableLength(TableTag tag) const;
    // Copies bytes of the table from offset into out; 0 when the tag is
    // absent or offset is not below the table's length.
    size_t ReadTable(TableTag tag, size_t offset, std::span<uint8_t> out) const;
    // Overwrites bytes of the table from offset, never growing it; 0 under
    // the same conditions as ReadTable.
    size_t WriteTableInPlace(TableTag tag, size_t offset, std::span<const uint8_t> bytes);
    // Gives the table its bytes and places it after the tables already
    // appended. False (nothing stored) when the tag has no directory record.
    bool AppendTable(TableTag tag, std::vector<uint8_t> data);
    // Drops a table and its directory record.
    void RemoveTable(TableTag tag);

    std::span<const uint8_t> Table(TableTag tag) const;
    // The table's buffer for editing in place or growing; null when the tag has no record.
    std::vector<uint8_t>* MutableTable(TableTag tag);

    // Directory order of the records that hold data.
    std::vector<TableTag> DirectoryOrder() const;

    // Header fields are read through FontFields (UnitsPerEm, NumGlyphs, ...);
    // a setter of a field the table is too short for does nothing.
    void SetNumberOfHMetrics(uint16_t value);
    void SetNumOfLongVerMetrics(uint16_t value);
    void SetNumGlyphs(uint16_t value);
    void SetMaxPoints(uint16_t value);
    void SetMaxContours(uint16_t value);

    // The whole file: offset table, directory (records sorted as in
    // directory order), then the tables in data order. Checksums and
    // checkSumAdjustment are computed here.
    std::vector<uint8_t> Serialize() const;
    // The directory records of the last Serialize.
    const std::vector<DirectoryRecord>& LaidOutDirectory() const { return laidOut_; }

private:
    struct TableEntry {
        TableTag tag = 0;
        std::vector<uint8_t> data;
        bool present = false;
        uint32_t appendOrder = 0;
    };
    const TableEntry* Find(TableTag tag) const;
    TableEntry* Find(TableTag tag);
    void Set(TableTag tag, Field<uint16_t> field, uint16_t value);

    std::vector<TableEntry> tables_;  // directory order
    uint32_t nextAppend_ = 0;
    mutable std::vector<DirectoryRecord> laidOut_;
};

// Reads a whole file into memory.
TrueTypeResult<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path);

}  // namespace pelorin::truetype
