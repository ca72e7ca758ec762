#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tesvik::chars {

// The Unicode scalar value the UTF-8 text starts with, and in `length` the
// bytes it takes. Strict: shortest forms only, no surrogates, nothing above
// U+10FFFF; none for an empty text or one that starts otherwise.
std::optional<char32_t> leadingUtf8Scalar(std::string_view utf8, std::size_t& length);

}  // namespace tesvik::chars
