#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// The full path of the running executable (/proc/self/exe); nothing when the
// system does not tell it.
std::optional<std::filesystem::path> runningProgramPath();

}  // namespace platform
