#pragma once

#include <string>
#include <string_view>

// Pelorin's message texts for library reading and outline conversion.
namespace pelorin::pfi_messages {

// Open succeeded, but the library's code-space tag is neither 936 nor 950.
std::string CodeSpaceMismatch(std::string_view libraryPath);
// Open succeeded on an old-version library (em word 0).
std::string OldVersionLibrary(std::string_view libraryPath);
// Open failed; shown by the import.
std::string CannotOpenLibrary(std::string_view libraryPath);

// Conversion notices.
inline constexpr std::string_view kTooManyContoursOrPoints = "回路或节点个数超过可处理的范围。";
inline constexpr std::string_view kOutlineTooLarge = "字芯过大。";

}  // namespace pelorin::pfi_messages
