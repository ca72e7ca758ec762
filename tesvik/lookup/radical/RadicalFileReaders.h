#pragma once

// Readers of the radical table, the radical-key indexes and the radical
// records. Every reader opens its file, reads and closes it again; only whole
// records inside a file are ever used.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "common/Result.h"
#include "tesvik/lookup/files/RecordFile.h"
#include "tesvik/lookup/radical/RadicalRecords.h"

namespace tesvik::lookup {

// Every whole record of newmb.dat, unscrambled, in file order.
lumenar::Result<std::vector<RadicalTableRecord>, RecordFileError> readRadicalTable(const std::filesystem::path& path);

// Every whole entry of a radical-key index, in file order.
lumenar::Result<std::vector<RadicalIndexEntry>, RecordFileError> readRadicalIndex(const std::filesystem::path& path);

// The whole entries of a radical-key index's bytes.
std::vector<RadicalIndexEntry> decodeRadicalIndex(std::span<const std::uint8_t> bytes);

// Opens a radical record file (11-byte scrambled records).
lumenar::Result<RecordFile, RecordFileError> openRadicalRecords(const std::filesystem::path& path);

// Record n of an open radical record file, unscrambled; nullopt when n is not
// a whole record of the file.
std::optional<RadicalRecord> readRadicalRecord(RecordFile& file, std::uint64_t n);

// A half-open range of record numbers.
struct RecordRange {
    std::uint64_t first = 0;
    std::uint64_t end = 0;

    std::uint64_t size() const { return end > first ? end - first : 0; }
    bool operator==(const RecordRange&) const = default;
};

// The records filed under key: from the first entry with that key up to the
// next entry's first record. No entry with the key gives an empty range. The
// range is cut to the whole records of the record file (recordCount); an
// entry that is the last one of a truncated index runs to the file's end.
RecordRange radicalKeyRange(const std::vector<RadicalIndexEntry>& index, const RadicalKey& key,
                            std::uint64_t recordCount);

}  // namespace tesvik::lookup
