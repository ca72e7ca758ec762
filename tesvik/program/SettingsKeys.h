#pragma once

#include <array>

// The key names of section Config in Tesvik.ini.
namespace tesvik::program::keys {

inline constexpr const char* kGbkColor = "GBKColor";
inline constexpr const char* kGbkEudcColor = "GBKEUDCColor";
inline constexpr const char* kGb13000EudcColor = "GB13000EUDCColor";
inline constexpr const char* kCjkExtensionAColor = "CJKZACOLOR";
inline constexpr const char* kCjkExtensionsBToEColor = "CJKKZBCOLOR";
inline constexpr const char* kRadicalsColor = "BUSHOUColor";
inline constexpr const char* kAutoMinimize = "AutoMinimize";
inline constexpr const char* kHide = "Hide";
inline constexpr const char* kVk = "Vk";
inline constexpr const char* kFlag = "Flag";
inline constexpr const char* kCurrentFontName = "CURFONTNAMECU";
inline constexpr const char* kStrokeKeys = "HSPDZ";
inline constexpr std::array<const char*, 4> kSelectableFontNames = {"CURFONTNAMEA", "CURFONTNAMEB", "CURFONTNAMEC",
                                                                    "CURFONTNAMED"};
inline constexpr const char* kShowAllPages = "ShowAllPages";
inline constexpr const char* kStandardCode = "StandardCode";
inline constexpr const char* kHideUndrawable = "HideUndrawable";

}  // namespace tesvik::program::keys
