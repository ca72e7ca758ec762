#pragma once

// The code text of a user character: four hexadecimal digits naming a
// character of the Private Use Area U+E000..U+F8FF.

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/Result.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

inline constexpr std::uint16_t kFirstUserCode = 0xE000;
inline constexpr std::uint16_t kLastUserCode = 0xF8FF;

// Exactly four hexadecimal digits, either case, whose value lies in
// U+E000..U+F8FF; nullopt otherwise.
std::optional<std::uint16_t> parseCode(std::string_view text);

// The code field after a change: the code to preview and remember; nullopt
// while fewer than four characters are typed (the field is left alone).
// Refused, with "请输入范围在00000到FFFFF范围内的四位或五位Uicode码值！", when the text
// is longer or names no user code: the last accepted text is restored.
lumenar::Result<std::optional<std::uint16_t>, Message> checkCodeTextEdit(std::string_view text);

}  // namespace tesvik::lookup
