#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "pelorin/truetype/TrueTypeError.h"

namespace pelorin::truetype {

// A file being built under a temporary name beside its final path. Commit
// writes the finished bytes and renames them over the final path in one step;
// a PendingFile dropped without Commit removes its temporary file, so a failed
// or interrupted write never leaves a damaged file where a good one was.
class PendingFile {
public:
    // Creates the temporary file now, so that a folder we cannot write to is
    // reported before any work is done.
    static TrueTypeResult<PendingFile> Begin(const std::filesystem::path& finalPath);

    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    TrueTypeStatus Commit(std::span<const uint8_t> bytes);

    const std::filesystem::path& finalPath() const { return finalPath_; }
    const std::filesystem::path& temporaryPath() const { return temporaryPath_; }

private:
    PendingFile(std::filesystem::path finalPath, std::filesystem::path temporaryPath, int fd)
        : finalPath_(std::move(finalPath)), temporaryPath_(std::move(temporaryPath)), fd_(fd) {}
    void Abandon();

    std::filesystem::path finalPath_;
    std::filesystem::path temporaryPath_;
    int fd_ = -1;
};

}  // namespace pelorin::truetype
