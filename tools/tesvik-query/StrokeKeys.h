#pragma once

#include <string>
#include <string_view>

#include "common/Result.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::query {

// The stroke keys the tool reads --strokes with: the digits 1 to 5, as the
// settings have them by default.
inline constexpr std::string_view kQueryStrokeKeys = "12345";

// The stroke digits of typed stroke keys (lookup::strokeDigitsOf reads the
// stroke glyphs a field shows instead); a key that stands for no stroke is
// refused with the stroke field's message.
lumenar::Result<std::string, Message> strokeDigitsOfKeys(std::string_view typed);

}  // namespace tesvik::query
