#pragma once
// Which characters the installed fonts draw, as a text view draws them: the
// chosen family first, then fontconfig's fallback fonts for it. Computed once
// per family (one sorted font set and the union of its character sets); a
// look-up is then one bit test.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class GlyphCoverage {
public:
    // Nothing is drawable.
    GlyphCoverage() = default;

    // The coverage of `family` (empty: fontconfig's default) with the fonts of
    // the system configuration, or of `configFile` when one is given.
    static GlyphCoverage forFamily(std::string_view family,
                                   const std::optional<std::filesystem::path>& configFile = std::nullopt);

    // Whether some font of the list has a glyph for the code point.
    bool drawable(char32_t codePoint) const {
        return codePoint < kCodeSpace && (bits_[codePoint >> 6] >> (codePoint & 63) & 1) != 0;
    }

    // The family of the first font of the list that draws the code point.
    std::optional<std::string> drawingFamily(char32_t codePoint) const;

    const std::string& family() const { return family_; }

private:
    static constexpr char32_t kCodeSpace = 0x110000;

    struct FontCoverage {
        std::string family;
        std::vector<std::pair<char32_t, char32_t>> ranges;  // sorted, inclusive
    };

    std::string family_;
    std::vector<std::uint64_t> bits_ = std::vector<std::uint64_t>(kCodeSpace / 64);
    std::vector<FontCoverage> fonts_;
};

}  // namespace platform
