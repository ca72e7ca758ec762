#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "pelorin/truetype/TrueTypeError.h"
#include "platform/FileReplacement.h"

namespace pelorin::truetype {

// A font file written through a platform file replacement, its failures told
// as TrueType errors: CannotCreate when the temporary file beside the final
// path cannot be made, WriteFailed for writing or renaming it into place.
TrueTypeResult<platform::FileReplacement> BeginFontFile(const std::filesystem::path& path);
TrueTypeStatus CommitFontFile(platform::FileReplacement& file, std::span<const uint8_t> bytes);

}  // namespace pelorin::truetype
