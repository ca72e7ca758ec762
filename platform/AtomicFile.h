#pragma once

#include "common/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct FileError {
    std::filesystem::path path;
    std::string reason;  // e.g. the system's error text

    std::string describe() const { return path.string() + ": " + reason; }
};

// The whole content of a file, or nothing when the file does not exist.
lumenar::Result<std::optional<std::string>, FileError> readFileIfExists(const std::filesystem::path& file);

// Replaces the file's content all at once: writes a temporary file beside it,
// flushes it to disk and renames it over the old one, so that readers and a
// crash see either the old content or the new, never a mix. Creates missing
// parent directories. An existing file keeps its permissions.
lumenar::Status<FileError> writeFileAtomically(const std::filesystem::path& file, std::string_view content);

}  // namespace platform
