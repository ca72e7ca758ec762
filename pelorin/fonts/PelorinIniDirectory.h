#pragma once

#include <filesystem>
#include <functional>

namespace pelorin::fonts {

// Where Pelorin's ini files (pfiFonts.ini, DIRore.INI) lie: beside the
// program file when pfiFonts.ini lies there (the portable layout, the build
// tree), otherwise, for a program installed as <prefix>/bin/pelorin, in
// <prefix>/share/pelorin/.
using IniExists = std::function<bool(const std::filesystem::path&)>;
std::filesystem::path pelorinIniDirectory(const std::filesystem::path& programFile, const IniExists& exists);
std::filesystem::path pelorinIniDirectory(const std::filesystem::path& programFile);  // looks on disk

}  // namespace pelorin::fonts
