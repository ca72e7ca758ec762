#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace pelorin {

// Old-version libraries (em word 0) carry no em size; it comes from the
// section "FONTBASE" of DIRore.INI beside the program, keyed by the
// library's family name.

inline constexpr char kOldVersionIniName[] = "DIRore.INI";
inline constexpr std::uint16_t kDefaultOldVersionEmSize = 1000;

// The key for a library file: its name without directory and extension,
// with the families' variant letters removed ("SSFL" and "SSFLN" give "SSF",
// "XXLL" gives "XXL", "HTFN" gives "HTF" ...). Case-sensitive.
std::string OldVersionIniKey(const std::filesystem::path& libraryPath);

// The em size for an old-version library: the integer under its key in
// <iniDirectory>/DIRore.INI, 1000 when the file, the section or the key is
// missing or the value is not a usable em size (0, negative, above 65535).
std::uint16_t OldVersionEmSize(const std::filesystem::path& iniDirectory, const std::filesystem::path& libraryPath);

}  // namespace pelorin
