#include "pelorin/fonts/FontList.h"

#include "common/AsciiCase.h"

#include <algorithm>

namespace pelorin::fonts {
namespace {

bool isFotFile(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const auto dot = name.rfind('.');
    return dot != std::string::npos && lumenar::upperCased(name.substr(dot)) == ".FOT";
}

// The first of the face's family names that is one of the maker's.
std::optional<std::string> makersFamilyOf(const platform::InstalledFont& font) {
    for (const std::string& family : font.families)
        if (isMakersFontName(family)) return family;
    return std::nullopt;
}

}  // namespace

bool isMakersFontName(const std::string& name) {
    return name.starts_with("Lumenar") || lumenar::upperCased(name.substr(0, 2)) == "LM";
}

std::string faceNameOf(const std::string& fontName) {
    const auto paren = fontName.find('(');
    if (paren == std::string::npos) return fontName;
    return fontName.substr(0, paren == 0 ? 0 : paren - 1);
}

std::vector<FontEntry> buildFontList(const std::filesystem::path& fontsFolder,
                                     const std::optional<std::vector<platform::InstalledFont>>& installed,
                                     std::uint16_t codePage, const EudcLinks& links, MessageSink& messages,
                                     FontListScope /*scope*/) {
    std::vector<FontEntry> list;
    if (fontsFolder.empty()) {
        messages.show(std::string(message::kNoFontsFolder));
        return list;
    }
    if (!installed) {
        messages.show(std::string(message::kRegistryError));
        messages.show(std::string(message::kNoFontRegistration));
        return list;
    }
    if (installed->empty()) {
        messages.show(std::string(message::kNoFontsInstalled));
        return list;
    }
    for (const platform::InstalledFont& font : *installed) {
        const auto family = makersFamilyOf(font);
        if (!family || isFotFile(font.file)) continue;
        FontEntry entry;
        entry.faceName = faceNameOf(*family);
        // Several styles of one family are one face here, as in the links.
        if (findEntry(list, entry.faceName)) continue;
        entry.codePage = codePage;
        entry.fontFilePath = font.file.is_absolute() ? font.file.string() : (fontsFolder / font.file).string();
        entry.faceIndex = font.faceIndex;
        entry.eudcFilePath = links.eudcPathOf(codePage, entry.faceName);
        list.push_back(std::move(entry));
    }
    if (list.empty()) messages.show(std::string(message::kNoLumenarFonts));
    return list;
}

const FontEntry* findEntry(const std::vector<FontEntry>& list, const std::string& face) {
    const std::string wanted = lumenar::upperCased(face);
    for (const FontEntry& entry : list)
        if (lumenar::upperCased(entry.faceName) == wanted) return &entry;
    return nullptr;
}

}  // namespace pelorin::fonts
