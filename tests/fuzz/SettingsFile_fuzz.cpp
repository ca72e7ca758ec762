// The settings file reader and its one-key editor over arbitrary text.

#include <string_view>

#include "tesvik/program/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)tesvik::program::profileString(text, "Config", "CURFONTNAME");
    (void)tesvik::program::profileInt(text, "Config", "GBKColor", 0);
    const auto edited = tesvik::program::withProfileStrings(text, "Config", {{"FONTSIZE", "24"}});
    if (edited && tesvik::program::profileString(edited.value(), "Config", "FONTSIZE") != "24") __builtin_trap();
    return 0;
}
