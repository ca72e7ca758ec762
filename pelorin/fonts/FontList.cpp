#include "pelorin/fonts/FontList.h"

#include "common/AsciiCase.h"

#include <algorithm>
#include <system_error>
#include <tuple>

namespace pelorin::fonts {
namespace {

bool isFotFile(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const auto dot = name.rfind('.');
    return dot != std::string::npos && lumenar::upperCased(name.substr(dot)) == ".FOT";
}

// The family name a row shows for the face; nothing when the face does not
// belong in the list.
std::optional<std::string> listedFamilyOf(const platform::InstalledFont& font, FontListScope scope) {
    if (scope == FontListScope::AllCjkFaces) {
        if (!font.scalable || !font.coversCjkIdeographs || font.families.empty()) return std::nullopt;
        return font.families.front();
    }
    for (const std::string& family : font.families)
        if (isMakersFontName(family)) return family;
    return std::nullopt;
}

bool sameFace(const FontEntry& a, const FontEntry& b) { return lumenar::equalsIgnoringAsciiCase(a.faceName, b.faceName); }

// The file a path reaches through links; the path itself when it cannot be
// resolved.
std::string realPathOf(const std::string& path) {
    std::error_code error;
    const auto real = std::filesystem::canonical(path, error);
    return error ? path : real.string();
}

// A face of a file reached through several paths (a default font linked to a
// font also installed under its own name, or a linked folder) is one
// installed font: it keeps the first row, with the file's own path where one
// of its paths is that.
void keepEachFontOnce(std::vector<FontEntry>& list) {
    std::vector<FontEntry> kept;
    std::vector<std::string> keptRealPaths;
    for (FontEntry& entry : list) {
        const std::string real = realPathOf(entry.fontFilePath);
        const auto same = [&](std::size_t i) {
            return keptRealPaths[i] == real && kept[i].faceIndex == entry.faceIndex && kept[i].style == entry.style;
        };
        std::size_t i = 0;
        while (i < kept.size() && !same(i)) ++i;
        if (i == kept.size()) {
            kept.push_back(std::move(entry));
            keptRealPaths.push_back(real);
        } else if (entry.fontFilePath == real) {
            kept[i].fontFilePath = real;
        }
    }
    list = std::move(kept);
}

// Only a face listed in several styles shows them.
void keepStylesOfFacesWithSeveral(std::vector<FontEntry>& list) {
    for (FontEntry& entry : list) {
        const auto rows = std::count_if(list.begin(), list.end(), [&](const FontEntry& e) { return sameFace(e, entry); });
        if (rows < 2) entry.style.clear();
    }
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

std::vector<FontEntry> buildFontList(const std::filesystem::path& fontsFolder, const platform::InstalledFonts& installed,
                                     std::uint16_t codePage, const EudcLinks& links, MessageSink& messages,
                                     FontListScope scope) {
    std::vector<FontEntry> list;
    if (fontsFolder.empty()) {
        messages.show(std::string(message::kNoFontsFolder));
        return list;
    }
    if (!installed) {
        if (installed.error() == platform::FontListingError::NoConfiguration) {
            messages.show(std::string(message::kRegistryError));
            messages.show(std::string(message::kNoFontRegistration));
        } else {
            messages.show(std::string(message::kFontRegistrationError));
        }
        return list;
    }
    if (installed->empty()) {
        messages.show(std::string(message::kNoFontsInstalled));
        return list;
    }
    for (const platform::InstalledFont& font : *installed) {
        const auto family = listedFamilyOf(font, scope);
        if (!family || isFotFile(font.file)) continue;
        FontEntry entry;
        entry.faceName = faceNameOf(*family);
        entry.style = font.style;
        entry.regularStyle = font.regularStyle;
        entry.codePage = codePage;
        entry.fontFilePath = font.file.is_absolute() ? font.file.string() : (fontsFolder / font.file).string();
        entry.faceIndex = font.faceIndex;
        entry.eudcFilePath = links.eudcPathOf(codePage, entry.faceName);
        list.push_back(std::move(entry));
    }
    keepEachFontOnce(list);
    keepStylesOfFacesWithSeveral(list);
    // The maker's faces keep fontconfig's order; every face of the system is
    // easier to find by name.
    if (scope == FontListScope::AllCjkFaces)
        std::stable_sort(list.begin(), list.end(), [](const FontEntry& a, const FontEntry& b) {
            return std::tie(a.faceName, a.style) < std::tie(b.faceName, b.style);
        });
    if (list.empty())
        messages.show(std::string(scope == FontListScope::AllCjkFaces ? message::kNoCjkFonts : message::kNoLumenarFonts));
    return list;
}

std::string rowNameOf(const FontEntry& entry) {
    return entry.style.empty() ? entry.faceName : entry.faceName + " " + entry.style;
}

const FontEntry* findEntry(const std::vector<FontEntry>& list, const std::string& name) {
    const auto named = [&](const FontEntry& e) { return lumenar::equalsIgnoringAsciiCase(rowNameOf(e), name); };
    if (const auto row = std::find_if(list.begin(), list.end(), named); row != list.end()) return &*row;
    const FontEntry* found = nullptr;
    for (const FontEntry& entry : list) {
        if (!lumenar::equalsIgnoringAsciiCase(entry.faceName, name)) continue;
        if (entry.regularStyle) return &entry;
        if (!found) found = &entry;
    }
    return found;
}

}  // namespace pelorin::fonts
