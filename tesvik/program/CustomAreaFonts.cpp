#include "tesvik/program/CustomAreaFonts.h"

#include <algorithm>

namespace tesvik::program {
namespace {

bool isScalable(const platform::InstalledFont& font) { return font.format == "TrueType" || font.format == "CFF"; }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// fontconfig's family comparison: ASCII letter case and blanks do not count.
std::string familyKey(std::string_view family) {
    std::string key;
    for (char c : family)
        if (c != ' ') key += lowerAscii(c);
    return key;
}

// Letter case does not decide the order unless the names differ only in it.
bool listedBefore(const std::string& a, const std::string& b) {
    const auto caseless = [](char x, char y) { return lowerAscii(x) < lowerAscii(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), caseless)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), caseless)) return false;
    return a < b;
}

std::string listedName(const platform::InstalledFont& font, std::string_view gridFont) {
    const std::string wanted = familyKey(gridFont);
    for (const std::string& family : font.families)
        if (!wanted.empty() && familyKey(family) == wanted) return std::string(gridFont);
    return font.families.front();
}

}  // namespace

CustomAreaFontChoice customAreaFontChoice(const std::vector<platform::InstalledFont>& fonts,
                                          std::string_view gridFont) {
    CustomAreaFontChoice choice;
    for (const platform::InstalledFont& font : fonts)
        if (isScalable(font) && !font.families.empty()) choice.names.push_back(listedName(font, gridFont));
    std::sort(choice.names.begin(), choice.names.end(), listedBefore);
    choice.names.erase(std::unique(choice.names.begin(), choice.names.end()), choice.names.end());
    if (choice.names.empty()) return choice;
    const auto found = std::find(choice.names.begin(), choice.names.end(), gridFont);
    choice.selected = found == choice.names.end() ? 0 : static_cast<int>(found - choice.names.begin());
    return choice;
}

}  // namespace tesvik::program
