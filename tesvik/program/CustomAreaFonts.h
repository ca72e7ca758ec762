#pragma once

// The font list of the custom-area page: the installed scalable fonts by
// family name, sorted, and which of them the grid font selects.

#include "platform/FontconfigFonts.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesvik::program {

struct CustomAreaFontChoice {
    std::vector<std::string> names;  // sorted, without repeats
    int selected = -1;               // the entry naming the grid font; the first when no entry does; -1 when empty
};

// One name per scalable face (TrueType or CFF outlines): the family under
// which the face is listed first, or `gridFont` when the face also carries
// that family, so that a font chosen by another of its names is found.
CustomAreaFontChoice customAreaFontChoice(const std::vector<platform::InstalledFont>& fonts, std::string_view gridFont);

}  // namespace tesvik::program
