#pragma once

#include "pelorin/pfi/PelorinLanguage.h"

#include <string>
#include <string_view>

// Pelorin's message texts for library reading and outline conversion, in
// the language chosen at start.
namespace pelorin::pfi_messages {

// Open succeeded, but the library's code-space tag is neither 936 nor 950.
std::string CodeSpaceMismatch(std::string_view libraryPath);
// Open succeeded on an old-version library (em word 0).
std::string OldVersionLibrary(std::string_view libraryPath);
// Open failed; shown by the import.
std::string CannotOpenLibrary(std::string_view libraryPath);

// Conversion notices.
inline constexpr Texts kTooManyContoursOrPoints{"回路或节点个数超过可处理的范围。", "迴路或節點個數超過可處理的範圍。",
                                                "Too many contours or points to handle."};
inline constexpr Texts kOutlineTooLarge{"字芯过大。", "字芯過大。", "The outline is too large."};

}  // namespace pelorin::pfi_messages
