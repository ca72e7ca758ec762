#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tesvik::program {

// A colour as the settings store it: 0x00BBGGRR (red in the low byte).
using ColorRef = std::uint32_t;

constexpr ColorRef rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColorRef{red} | (ColorRef{green} << 8) | (ColorRef{blue} << 16);
}

// Text colours of the candidate grid, one per code space.
struct CodeSpaceColors {
    ColorRef gbk = 0;                                // GBKColor
    ColorRef gbkEudc = 0;                            // GBKEUDCColor
    ColorRef gb13000Eudc = 0;                        // GB13000EUDCColor
    ColorRef cjkExtensionA = rgb(0, 166, 81);        // CJKZACOLOR, 5350912
    ColorRef cjkExtensionsBToE = rgb(146, 39, 143);  // CJKKZBCOLOR, 9381778
    ColorRef radicals = rgb(25, 150, 160);           // BUSHOUColor, 10524185

    bool operator==(const CodeSpaceColors&) const = default;
};

inline constexpr const char* kDefaultStrokeKeys = "12345";
inline constexpr std::size_t kMaxSettingText = 259;  // characters of a text setting

// The process-wide settings: filled at start, replaced when the settings
// dialog is confirmed.
struct Settings {
    CodeSpaceColors colors;
    int autoMinimize = 0;  // non-zero: hide the main window right after start
    int hide = 0;          // kept in the file only; output uses the registry value Hide
    int vk = 0;            // show/hide hot key: virtual key, 0 for none
    int flag = 0;          // show/hide hot key: modifiers in hot key control form
    int showAllPages = 0;  // non-zero: the main window shows every page
    int standardCode = 0;  // non-zero: a register character is output and copied as its standard character
    // Non-zero: the grids leave out characters that no installed font draws.
    int hideUndrawable = 0;
    std::string currentFontName;
    std::array<std::string, 4> fontNames;         // the selectable fonts
    std::string strokeKeys = kDefaultStrokeKeys;  // characters for 一 丨 丿 丶 乙
    std::filesystem::path programPath;
    bool autostart = false;

    bool operator==(const Settings&) const = default;
};

// The four selectable font names, in their order.
std::array<std::string, 4> selectableFontNames();

}  // namespace tesvik::program
