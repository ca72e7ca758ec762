#pragma once
// The text `type` delivers: the characters of one TEXT argument, or with
// --code the code values given (hexadecimal, as `code` reads them).
#include "tools/tesvik-query/CommandLine.h"

#include <optional>
#include <string>

namespace tesvik::query {

// The Unicode scalars; nothing with a reason in `error` for no text, bytes
// that are not UTF-8 or a value that names no character.
std::optional<std::u32string> textToType(const CommandLine& line, std::string& error);

}  // namespace tesvik::query
