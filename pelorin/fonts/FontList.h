#pragma once

#include "pelorin/fonts/EudcLinks.h"
#include "pelorin/fonts/FontEntry.h"
#include "pelorin/fonts/FontMessages.h"
#include "platform/FontconfigFonts.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pelorin::fonts {

// Whether a font's name is one of the maker's: it begins with "Lumenar"
// (exactly) or with "LM" (in any letter case).
bool isMakersFontName(const std::string& name);

// The face name of a font name: a trailing " (remark)" is dropped (the name
// up to but not including the character before its first '(').
std::string faceNameOf(const std::string& fontName);

// Which installed faces the font list holds.
enum class FontListScope {
    MakersFamilies,  // the maker's families only
    AllCjkFaces,     // every installed scalable face that covers CJK ideographs
};

// The font list: one row per installed font file (face) whose family name
// is one of the maker's, or with AllCjkFaces every scalable face covering
// the CJK ideographs, in the order given, except .fot files. Rows of a face
// that has several styles show their style. Messages explain an empty list
// or a font list that could not be read.
std::vector<FontEntry> buildFontList(const std::filesystem::path& fontsFolder, const platform::InstalledFonts& installed,
                                     std::uint16_t codePage, const EudcLinks& links, MessageSink& messages,
                                     FontListScope scope = FontListScope::MakersFamilies);

// A row as the list shows it: the face name, and its style where shown.
std::string rowNameOf(const FontEntry& entry);

// The row named `name` (letter case aside): the row whose shown name it is,
// else the row of the face by that name, its regular style where the face
// has several. Null when none.
const FontEntry* findEntry(const std::vector<FontEntry>& list, const std::string& name);

}  // namespace pelorin::fonts
