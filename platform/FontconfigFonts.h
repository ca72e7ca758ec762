#pragma once

#include "common/Result.h"
#include "platform/XdgDirectories.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The user's fonts folder, which fontconfig scans: $XDG_DATA_HOME/fonts
// (~/.local/share/fonts).
std::filesystem::path userFontsFolder(const Environment& env);

// One face from fontconfig's font list.
struct InstalledFont {
    std::vector<std::string> families;  // every family name the face gives, in fontconfig's order
    std::filesystem::path file;
    int faceIndex = 0;   // the face's index inside a font collection (.ttc)
    std::string format;  // fontconfig's "fontformat": "TrueType", "CFF", ...
    std::string style;   // the face's first style name: "Regular", "Bold", ...
    bool regularStyle = true;  // neither slanted nor of a weight other than book to medium
    bool scalable = true;
    bool coversCjkIdeographs = false;  // its character set holds the common CJK ideographs
};

// Why the installed fonts could not be listed.
enum class FontListingError {
    NoConfiguration,  // fontconfig's configuration could not be loaded
    ListFailed,       // the configuration loaded, but listing its fonts failed
};

using InstalledFonts = lumenar::Result<std::vector<InstalledFont>, FontListingError>;

// The installed fonts, in the order fontconfig lists them.
InstalledFonts listInstalledFonts();

// As listInstalledFonts, with no fonts when they cannot be listed.
std::vector<InstalledFont> installedFonts();

struct FontFileRef {
    std::filesystem::path file;
    int faceIndex = 0;
};

// The file of the installed face with this family name (fontconfig's family
// comparison: letter case and blanks do not count); its regular style when
// the family has several. Nothing when no installed face carries the name.
std::optional<FontFileRef> findFontFile(std::string_view face);

// Whether a family name, or a family its fontconfig rules and aliases put
// in its place (not the weakly added defaults), draws the common CJK
// ideographs. The configuration is read once, when the check is made, and
// serves every name asked.
std::function<bool(std::string_view family)> cjkIdeographFamilyCheck();

// Those of the candidate code points that an installed font, other than the
// fonts in `exceptFiles`, has in its character set.
std::set<std::uint32_t> codesDrawnByOtherFonts(const std::vector<std::uint32_t>& candidates,
                                               const std::vector<std::filesystem::path>& exceptFiles);

// Scans the folders again and rewrites fontconfig's caches for them, so that
// fonts and rules changed in them take effect. Returns false when a cache
// could not be rebuilt.
bool refreshFontCache(const std::vector<std::filesystem::path>& folders);

}  // namespace platform
