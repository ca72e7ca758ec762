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

// The font list: every installed face whose family name is one of the
// maker's, in the order given, except .fot files. `installed` is nothing when
// the font registry could not be read. Messages explain an empty list.
std::vector<FontEntry> buildFontList(const std::filesystem::path& fontsFolder,
                                     const std::optional<std::vector<platform::InstalledFont>>& installed,
                                     std::uint16_t codePage, const EudcLinks& links, MessageSink& messages,
                                     FontListScope scope = FontListScope::MakersFamilies);

// The row whose face name equals `face` (letter case aside); null when none.
const FontEntry* findEntry(const std::vector<FontEntry>& list, const std::string& face);

}  // namespace pelorin::fonts
