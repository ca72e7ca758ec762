#pragma once

// The stroke index pairs on disk: their file names and readers. Every reader
// opens the file, reads and closes it again; nothing stays open.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "common/Result.h"
#include "tesvik/lookup/files/RecordFile.h"
#include "tesvik/lookup/stroke/StrokeRecords.h"

namespace tesvik::lookup {

inline constexpr std::string_view kShippedStrokeIndexFileName = "bihuashu-gb18030.idx";
inline constexpr std::string_view kShippedStrokeRecordFileName = "nanjianzi-gb18030.dat";
inline constexpr std::string_view kUserStrokeTableFileName = "buzimb.txt";
inline constexpr std::string_view kUserStrokeIndexFileName = "buzibihuashu.idx";
inline constexpr std::string_view kUserStrokeRecordFileName = "buzinanjianzi.dat";

// The entries of a stroke-count index in file order; a trailing partial
// entry is ignored.
lumenar::Result<std::vector<StrokeIndexEntry>, RecordFileError> readStrokeIndex(const std::filesystem::path& path);

// A stroke record file, opened for reading with unscrambling.
lumenar::Result<RecordFile, RecordFileError> openStrokeRecords(const std::filesystem::path& path);

// Record n of an open stroke record file; nullopt past the last whole record.
std::optional<StrokeRecord> readStrokeRecord(RecordFile& file, std::uint64_t n);

}  // namespace tesvik::lookup
