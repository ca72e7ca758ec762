#pragma once

#include <cstdint>
#include <string>

namespace tesvik::query {

// The UTF-8 text of a candidate value (a packed pair is one character);
// empty for a value that names no character.
std::string utf8Of(std::uint32_t value);

}  // namespace tesvik::query
