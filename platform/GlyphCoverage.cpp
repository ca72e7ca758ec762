#include "platform/GlyphCoverage.h"

#include "platform/FontconfigHandles.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>

namespace platform {
namespace {

using fontconfig::CharSetPtr;
using fontconfig::ConfigPtr;
using fontconfig::FontSetPtr;
using fontconfig::PatternPtr;

ConfigPtr loadConfig(const std::optional<std::filesystem::path>& configFile) {
    if (!configFile) return ConfigPtr(FcInitLoadConfigAndFonts());
    ConfigPtr config(FcConfigCreate());
    if (!config) return config;
    const auto* file = reinterpret_cast<const FcChar8*>(configFile->c_str());
    if (!FcConfigParseAndLoad(config.get(), file, FcTrue) || !FcConfigBuildFonts(config.get())) return nullptr;
    return config;
}

// Calls visit(first, last) for every run of code points the set holds.
template <class Visit>
void forEachRange(const FcCharSet* set, Visit visit) {
    std::array<FcChar32, FC_CHARSET_MAP_SIZE> map{};
    FcChar32 next = 0;
    bool open = false;
    char32_t first = 0, last = 0;
    for (FcChar32 base = FcCharSetFirstPage(set, map.data(), &next); base != FC_CHARSET_DONE;
         base = FcCharSetNextPage(set, map.data(), &next)) {
        for (std::size_t word = 0; word < map.size(); ++word) {
            for (FcChar32 bit = 0; bit < 32; ++bit) {
                if ((map[word] >> bit & 1) == 0) continue;
                const char32_t c = base + static_cast<FcChar32>(word) * 32 + bit;
                if (open && c == last + 1) {
                    last = c;
                    continue;
                }
                if (open) visit(first, last);
                first = last = c;
                open = true;
            }
        }
    }
    if (open) visit(first, last);
}

std::string familyOf(FcPattern* font) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(family);
}

}  // namespace

GlyphCoverage GlyphCoverage::forFamily(std::string_view family,
                                       const std::optional<std::filesystem::path>& configFile) {
    GlyphCoverage coverage;
    coverage.family_ = std::string(family);
    ConfigPtr config = loadConfig(configFile);
    if (!config) return coverage;
    PatternPtr pattern(FcPatternCreate());
    if (!family.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(coverage.family_.c_str()));
    FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FcCharSet* unionSet = nullptr;
    FontSetPtr fonts(
        FcFontSort(config.get(), pattern.get(), FcTrue, &unionSet, &result));
    CharSetPtr all(unionSet);
    if (!fonts || !all) return coverage;

    forEachRange(all.get(), [&coverage](char32_t first, char32_t last) {
        for (char32_t c = first; c <= last && c < kCodeSpace; ++c)
            coverage.bits_[c >> 6] |= std::uint64_t{1} << (c & 63);
    });
    for (int i = 0; i < fonts->nfont; ++i) {
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch) continue;
        FontCoverage font{familyOf(fonts->fonts[i]), {}};
        forEachRange(charset, [&font](char32_t first, char32_t last) { font.ranges.emplace_back(first, last); });
        coverage.fonts_.push_back(std::move(font));
    }
    return coverage;
}

std::optional<std::string> GlyphCoverage::drawingFamily(char32_t codePoint) const {
    if (!drawable(codePoint)) return std::nullopt;
    for (const FontCoverage& font : fonts_) {
        auto after = std::upper_bound(font.ranges.begin(), font.ranges.end(), codePoint,
                                      [](char32_t c, const auto& range) { return c < range.first; });
        if (after != font.ranges.begin() && std::prev(after)->second >= codePoint) return font.family;
    }
    return std::nullopt;
}

}  // namespace platform
