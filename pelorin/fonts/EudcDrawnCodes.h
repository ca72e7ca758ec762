#pragma once

#include "platform/FontconfigEudcRules.h"

#include <filesystem>
#include <vector>

namespace pelorin::fonts {

// The Private Use Area code points an EUDC font file really draws: those
// whose slot (glyph index = code - 0xE000 + 2) holds glyph data. Empty when
// the file cannot be read as TrueType.
std::vector<platform::CodePointRange> drawnCodesOf(const std::filesystem::path& eudcFile);

}  // namespace pelorin::fonts
