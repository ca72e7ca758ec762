#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/Result.h"

namespace tesvik::lookup {

// Whether a file's bytes are stored rotated (the .dat record files) or plain
// (the .idx index files and the .txt source tables).
enum class Scrambled { No, Yes };

struct RecordFileError {
    enum class Kind { Missing, Unreadable, Unwritable };
    Kind kind;
    std::string systemText;  // the operating system's description, with the path
};

// A file of fixed-size records, opened for one query and closed when the
// object goes away. Only whole records inside the file are ever returned: a
// trailing partial record is ignored and reads past the end are refused.
// Scrambled files are unscrambled as they are read.
class RecordFile {
public:
    static lumenar::Result<RecordFile, RecordFileError> open(const std::filesystem::path& path, std::size_t recordSize,
                                                             Scrambled scrambled);

    std::size_t recordSize() const { return recordSize_; }
    // Whole records in the file: file length / record size.
    std::uint64_t recordCount() const { return recordCount_; }

    // Record n into out (out.size() must be recordSize()); false when n is not
    // a whole record of the file or the read fails.
    bool readRecord(std::uint64_t n, std::span<std::uint8_t> out);

    template <std::size_t N>
    std::optional<std::array<std::uint8_t, N>> readRecord(std::uint64_t n) {
        std::array<std::uint8_t, N> record{};
        if (N != recordSize_ || !readRecord(n, record)) return std::nullopt;
        return record;
    }

    // Records first .. first+count-1 in one read, concatenated; nullopt when
    // the range reaches past the last whole record or the read fails.
    std::optional<std::vector<std::uint8_t>> readRecords(std::uint64_t first, std::uint64_t count);

    // The same into a buffer the caller owns (out.size() must be
    // count × recordSize()), so that a scan can reuse one buffer.
    bool readRecordsInto(std::uint64_t first, std::uint64_t count, std::span<std::uint8_t> out);

    // Every whole record of the file, concatenated.
    std::optional<std::vector<std::uint8_t>> readAllRecords() { return readRecords(0, recordCount_); }

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    RecordFile(std::unique_ptr<std::FILE, FileCloser> file, std::size_t recordSize, std::uint64_t recordCount,
               Scrambled scrambled)
        : file_(std::move(file)), recordSize_(recordSize), recordCount_(recordCount), scrambled_(scrambled) {}

    bool readAt(std::uint64_t offset, std::span<std::uint8_t> out);

    static constexpr std::uint64_t kUnknownPosition = ~std::uint64_t{0};

    std::unique_ptr<std::FILE, FileCloser> file_;
    std::uint64_t position_ = 0;  // where the next read starts
    std::size_t recordSize_;
    std::uint64_t recordCount_;
    Scrambled scrambled_;
};

// The whole byte content of a file (for the source tables, which are edited
// as a whole). Missing is reported as such, so that callers can tell it from
// an empty file.
lumenar::Result<std::vector<std::uint8_t>, RecordFileError> readFileBytes(const std::filesystem::path& path);

// Replaces the file's content with bytes through a temporary file beside it,
// synced and renamed over the old one, so a failure part-way leaves the old
// file as it was; an existing file keeps its permissions.
lumenar::Status<RecordFileError> replaceFileContents(const std::filesystem::path& path,
                                                     std::span<const std::uint8_t> bytes);

}  // namespace tesvik::lookup
