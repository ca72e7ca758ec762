#pragma once

#include "platform/XdgDirectories.h"

#include <optional>
#include <string>

namespace platform {

// The locale name in effect for a category such as "LC_CTYPE" or
// "LC_MESSAGES": $LC_ALL, else the category's variable, else $LANG, the
// first one set and not empty; none when none is.
std::optional<std::string> localeInEffect(const Environment& env, const char* category);

}  // namespace platform
