#pragma once

#include "common/Result.h"
#include "platform/FileError.h"
#include "platform/FileSystemCalls.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

// A file's new content, written under a unique temporary name beside it and
// renamed over it by commit, so that readers and a crash see either the old
// content or the new, never a mix. The file and its folder are synced to disk
// before commit reports success. A file that already exists keeps its
// permissions; a new one gets 0666 less the umask. Every failure, and a
// replacement dropped without commit, removes the temporary file and leaves
// the old file as it was.
//
//   auto replacement = FileReplacement::begin(path);   // fails early for a folder we cannot write to
//   replacement->write(part); ...
//   replacement->commit();
class FileReplacement {
public:
    // Creates the temporary file now; the target's folder must exist.
    static lumenar::Result<FileReplacement, FileError> begin(const std::filesystem::path& target,
                                                             FileSystemCalls& calls = systemFileCalls());

    FileReplacement(FileReplacement&& other) noexcept;
    FileReplacement& operator=(FileReplacement&& other) noexcept;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    // Appends to the new content. After a failure the replacement is over:
    // later writes do nothing and commit reports the first failure.
    lumenar::Status<FileError> write(std::string_view bytes);
    lumenar::Status<FileError> write(std::span<const std::uint8_t> bytes);

    // Puts the new content in place of the target. The replacement is spent afterwards.
    lumenar::Status<FileError> commit();

    const std::filesystem::path& target() const { return target_; }
    // Empty once the replacement is committed or abandoned.
    const std::filesystem::path& temporaryPath() const { return temporary_; }

private:
    FileReplacement(std::filesystem::path target, std::filesystem::path temporary, int fd, FileSystemCalls& calls)
        : target_(std::move(target)), temporary_(std::move(temporary)), fd_(fd), calls_(&calls) {}
    lumenar::Status<FileError> fail(int error);
    void abandon();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    FileSystemCalls* calls_;
    std::optional<FileError> failure_;
};

// The one-shot form: the target's whole new content at once.
lumenar::Status<FileError> replaceFile(const std::filesystem::path& target, std::string_view bytes,
                                       FileSystemCalls& calls = systemFileCalls());
lumenar::Status<FileError> replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                       FileSystemCalls& calls = systemFileCalls());

// Creates the folders up to the file's own, for files kept under folders that
// may not exist yet (a user's configuration).
lumenar::Status<FileError> createFoldersFor(const std::filesystem::path& file);

}  // namespace platform
