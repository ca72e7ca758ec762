#pragma once

#include "pelorin/fonts/FontEntry.h"

#include <filesystem>
#include <string>

namespace pelorin::fonts {

// Copies the entry's font file to the target path, replacing a file there.
// The copy is made under a temporary name and renamed into place when
// complete, so a failed copy never leaves half a font. A file replaced keeps
// its permissions. Returns the reason when it fails, empty on success.
std::string backupFont(const FontEntry& entry, const std::filesystem::path& target);

// The same for any two files (also used for copying an EUDC file before a merge).
std::string copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace pelorin::fonts
