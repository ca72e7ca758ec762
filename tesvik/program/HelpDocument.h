#pragma once

#include "tesvik/program/TesvikDirectories.h"

#include <filesystem>
#include <optional>

namespace tesvik::program {

// The help file a user may place in the settings directory.
inline constexpr const char* kHelpFile = "TSV.chm";
// The HTML help shipped with the program, below the program's or the data
// directory.
inline constexpr const char* kShippedHelp = "help/index.html";

// The document the Help button opens: "TSV.chm" in the settings directory
// when it is there, else the shipped HTML help beside the program or in the
// data directory; nothing when neither exists.
std::optional<std::filesystem::path> helpDocument(const TesvikDirectories& dirs,
                                                  const std::filesystem::path& programPath,
                                                  const FileExists& fileExists = fileExistsOnDisk);

}  // namespace tesvik::program
