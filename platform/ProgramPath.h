#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// The full path of the running executable (/proc/self/exe); nothing when the
// system does not tell it.
std::optional<std::filesystem::path> runningProgramPath();

// The prefix a program was installed under: the parent of the "bin" folder
// the program file lies in (/usr for /usr/bin/tesvik), so that an installed
// tree finds its data wherever it was moved. Nothing when the program lies
// elsewhere (a build tree, a portable folder).
std::optional<std::filesystem::path> installPrefixOf(const std::filesystem::path& programFile);

}  // namespace platform
