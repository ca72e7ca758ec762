#pragma once

#include "platform/XdgDirectories.h"

#include <cstdint>
#include <string_view>

namespace platform {

// The national code page of a locale name such as "zh_CN.UTF-8": zh_CN (and
// zh_SG) give 936, zh_TW and zh_HK 950, ja 932, ko 1361; any other language 0.
std::uint16_t codePageOfLocale(std::string_view localeName);

// The system's code page: that of the locale in effect for character
// handling ($LC_ALL, else $LC_CTYPE, else $LANG; the first one set).
std::uint16_t systemCodePage(const Environment& env);

}  // namespace platform
