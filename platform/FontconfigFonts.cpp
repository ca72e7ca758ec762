#include "platform/FontconfigFonts.h"

#include "platform/FontconfigHandles.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace platform {
namespace {

using fontconfig::ConfigPtr;
using fontconfig::FontSetPtr;
using fontconfig::ObjectSetPtr;
using fontconfig::PatternPtr;

// A configuration read afresh, so that rule files written since the last
// call take effect.
ConfigPtr loadConfigAndFonts() { return ConfigPtr(FcInitLoadConfigAndFonts()); }

std::vector<std::string> familiesOf(FcPattern* pattern) {
    std::vector<std::string> families;
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i)
        families.emplace_back(reinterpret_cast<const char*>(family));
    return families;
}

// Ideographs every CJK face holds: 一 中 字 体 國.
constexpr FcChar32 kCommonIdeographs[] = {0x4E00, 0x4E2D, 0x5B57, 0x4F53, 0x570B};

bool coversCommonIdeographs(FcPattern* pattern) {
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(pattern, FC_CHARSET, 0, &charset) != FcResultMatch) return false;
    for (const FcChar32 c : kCommonIdeographs)
        if (!FcCharSetHasChar(charset, c)) return false;
    return true;
}

bool isRegularStyle(FcPattern* pattern) {
    int slant = FC_SLANT_ROMAN;
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(pattern, FC_SLANT, 0, &slant);
    FcPatternGetInteger(pattern, FC_WEIGHT, 0, &weight);
    return slant == FC_SLANT_ROMAN && weight >= FC_WEIGHT_BOOK && weight <= FC_WEIGHT_MEDIUM;
}

InstalledFont installedFontOf(FcPattern* pattern) {
    InstalledFont font;
    font.families = familiesOf(pattern);
    FcChar8* text = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &text) == FcResultMatch)
        font.file = reinterpret_cast<const char*>(text);
    int index = 0;
    if (FcPatternGetInteger(pattern, FC_INDEX, 0, &index) == FcResultMatch) font.faceIndex = index;
    if (FcPatternGetString(pattern, FC_FONTFORMAT, 0, &text) == FcResultMatch)
        font.format = reinterpret_cast<const char*>(text);
    if (FcPatternGetString(pattern, FC_STYLE, 0, &text) == FcResultMatch)
        font.style = reinterpret_cast<const char*>(text);
    font.regularStyle = isRegularStyle(pattern);
    FcBool scalable = FcTrue;
    if (FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable) == FcResultMatch) font.scalable = scalable != FcFalse;
    font.coversCjkIdeographs = coversCommonIdeographs(pattern);
    return font;
}

// fontconfig's family comparison: ASCII letter case and blanks do not count.
std::string familyKey(std::string_view family) {
    std::string key;
    for (char c : family) {
        if (c == ' ') continue;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

bool sameFamily(const std::string& a, std::string_view b) { return familyKey(a) == familyKey(b); }

}  // namespace

std::filesystem::path userFontsFolder(const Environment& env) { return xdgDataHome(env) / "fonts"; }

InstalledFonts listInstalledFonts() {
    ConfigPtr config = loadConfigAndFonts();
    if (!config) return InstalledFonts::failure(FontListingError::NoConfiguration);
    PatternPtr all(FcPatternCreate());
    ObjectSetPtr objects(FcObjectSetBuild(
        FC_FAMILY, FC_FILE, FC_INDEX, FC_FONTFORMAT, FC_STYLE, FC_SLANT, FC_WEIGHT, FC_SCALABLE, FC_CHARSET, nullptr));
    FontSetPtr set(FcFontList(config.get(), all.get(), objects.get()));
    if (!set) return InstalledFonts::failure(FontListingError::ListFailed);
    std::vector<InstalledFont> fonts;
    for (int i = 0; i < set->nfont; ++i) fonts.push_back(installedFontOf(set->fonts[i]));
    return fonts;
}

std::vector<InstalledFont> installedFonts() {
    auto fonts = listInstalledFonts();
    return fonts ? std::move(fonts).value() : std::vector<InstalledFont>();
}

namespace {

bool drawsCjkIdeographs(FcConfig* config, std::string_view family) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(std::string(family).c_str()));
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    // The families the name stands for: those its rules and aliases bind as
    // strongly as the name itself (the weakly added defaults are not its own).
    std::vector<std::string> own;
    FcPatternIter iter;
    FcPatternIterStart(pattern.get(), &iter);
    if (FcPatternFindIter(pattern.get(), &iter, FC_FAMILY)) {
        const int count = FcPatternIterValueCount(pattern.get(), &iter);
        for (int i = 0; i < count; ++i) {
            FcValue value;
            FcValueBinding binding = FcValueBindingWeak;
            if (FcPatternIterGetValue(pattern.get(), &iter, i, &value, &binding) == FcResultMatch &&
                value.type == FcTypeString && binding != FcValueBindingWeak)
                own.emplace_back(reinterpret_cast<const char*>(value.u.s));
        }
    }
    constexpr FcChar32 kSample[] = {0x4E00, 0x4E2D, 0x5B57, 0x9F8D};  // 一 中 字 龍
    FcCharSet* sample = FcCharSetCreate();
    for (FcChar32 c : kSample) FcCharSetAddChar(sample, c);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, sample);
    FcCharSetDestroy(sample);
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    FcCharSet* charset = nullptr;
    if (!match || FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &charset) != FcResultMatch) return false;
    if (!std::all_of(std::begin(kSample), std::end(kSample), [&](FcChar32 c) { return FcCharSetHasChar(charset, c); }))
        return false;
    for (const std::string& matched : familiesOf(match.get()))
        for (const std::string& name : own)
            if (sameFamily(matched, name)) return true;
    return false;
}

}  // namespace

std::function<bool(std::string_view family)> cjkIdeographFamilyCheck() {
    std::shared_ptr<FcConfig> config(loadConfigAndFonts().release(), FcConfigDestroy);
    return [config](std::string_view family) { return config && drawsCjkIdeographs(config.get(), family); };
}

std::set<std::uint32_t> codesDrawnByOtherFonts(const std::vector<std::uint32_t>& candidates,
                                               const std::vector<std::filesystem::path>& exceptFiles) {
    std::set<std::uint32_t> drawn;
    ConfigPtr config = loadConfigAndFonts();
    if (!config || candidates.empty()) return drawn;
    PatternPtr all(FcPatternCreate());
    ObjectSetPtr objects(FcObjectSetBuild(FC_FILE, FC_CHARSET, nullptr));
    FontSetPtr set(FcFontList(config.get(), all.get(), objects.get()));
    if (!set) return drawn;
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        FcCharSet* charset = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch ||
            FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch)
            continue;
        const std::filesystem::path path(reinterpret_cast<const char*>(file));
        if (std::find(exceptFiles.begin(), exceptFiles.end(), path) != exceptFiles.end()) continue;
        for (std::uint32_t code : candidates)
            if (FcCharSetHasChar(charset, code)) drawn.insert(code);
    }
    return drawn;
}

std::optional<FontFileRef> findFontFile(std::string_view face) {
    ConfigPtr config = loadConfigAndFonts();
    if (!config) return std::nullopt;
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(std::string(face).c_str()));
    FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config.get(), pattern.get(), &result));
    if (!match) return std::nullopt;
    InstalledFont font = installedFontOf(match.get());
    // A match is only a best guess; the face must really carry the name.
    for (const std::string& family : font.families)
        if (sameFamily(family, face)) return FontFileRef{font.file, font.faceIndex};
    return std::nullopt;
}

bool refreshFontCache(const std::vector<std::filesystem::path>& folders) {
    ConfigPtr config(FcInitLoadConfig());
    if (!config) return false;
    bool allRebuilt = true;
    for (const std::filesystem::path& folder : folders) {
        const auto* dir = reinterpret_cast<const FcChar8*>(folder.c_str());
        FcDirCacheUnlink(dir, config.get());
        FcCache* cache = FcDirCacheRead(dir, FcTrue, config.get());
        if (!cache) {
            allRebuilt = false;
            continue;
        }
        FcDirCacheUnload(cache);
    }
    return allRebuilt;
}

}  // namespace platform
