#pragma once

#include <cstdint>
#include <string>

namespace pelorin::fonts {

// One row of the font list.
struct FontEntry {
    std::string faceName;
    std::string style;          // shown where the list holds several styles of the face; empty otherwise
    bool regularStyle = true;   // the style a face name alone stands for
    std::uint16_t codePage = 0;  // the system's code page when the list was built
    std::string fontFilePath;
    int faceIndex = 0;            // the face's index inside a font collection
    std::string eudcFilePath;     // empty when the face has no EUDC link
    std::string libraryFilePath;  // empty until an import succeeds
    std::string newFontFilePath;
};

}  // namespace pelorin::fonts
