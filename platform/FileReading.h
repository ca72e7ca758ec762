#pragma once

#include "common/Result.h"
#include "platform/FileError.h"

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The whole content of a file, or nothing when the file does not exist.
lumenar::Result<std::optional<std::string>, FileError> readFileIfExists(const std::filesystem::path& file);

}  // namespace platform
