#pragma once

// The small code tables compiled into Tesvik. Each is a fixed array, searched
// linearly from its start as the program has always done; the lookup
// functions below are the only way the rest of the program reads them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tesvik::chars {

// A pair of code points: a character and the one it maps to.
struct CodePair {
    std::uint32_t from;
    std::uint32_t to;
};

// The 21 CJK compatibility ideographs that GBK contains, with their radicals,
// in the program's order (two ideographs may share a radical).
inline constexpr std::array<CodePair, 21> CompatRadicalMap{{
    {0xF92C, 0x2ECF}, {0xF979, 0x2F0E}, {0xF995, 0x2F72}, {0xF9E7, 0x2F07}, {0xF9F1, 0x2ED6}, {0xFA0C, 0x2F00},
    {0xFA0D, 0x2F4E}, {0xFA0E, 0x2F1C}, {0xFA0F, 0x2F20}, {0xFA11, 0x2F2D}, {0xFA13, 0x2F4A}, {0xFA14, 0x2F4A},
    {0xFA18, 0x2EAC}, {0xFA1F, 0x2EBE}, {0xFA20, 0x2EBE}, {0xFA21, 0x2F8D}, {0xFA23, 0x2F9B}, {0xFA24, 0x2ECC},
    {0xFA27, 0x2FA6}, {0xFA28, 0x2FA6}, {0xFA29, 0x2ED6},
}};

// Compatibility ideograph -> unified ideograph that looks the same.
inline constexpr std::array<CodePair, 9> CompatUnifiedMap{{
    {0xF92C, 0x90DE},
    {0xF979, 0x51C9},
    {0xF995, 0x79CA},
    {0xF9E7, 0x88CF},
    {0xF9F1, 0x96A3},
    {0xFA0C, 0x5140},
    {0xFA0D, 0x55C0},
    {0xFA18, 0x793C},
    {0xFA20, 0x8612},
}};

// Radical -> unified ideograph with the radical's shape, ascending by radical.
// The ideograph is a plain code point (it may lie outside the BMP).
inline constexpr std::array<CodePair, 22> RadicalUnifiedMap{{
    {0x2E9E, 0x6B7A}, {0x2EB3, 0x34C1}, {0x2EBD, 0x26951}, {0x2EC0, 0x535D}, {0x2EC7, 0x278B2}, {0x2ED3, 0x957F},
    {0x2EDC, 0x98DE}, {0x2EE7, 0x5364}, {0x2EEB, 0x6589},  {0x2EED, 0x6B6F}, {0x2EEF, 0x7ADC},  {0x2EF2, 0x4E80},
    {0x2EF3, 0x9F9F}, {0x2F06, 0x4E8C}, {0x2F58, 0x723B},  {0x2F5E, 0x7384}, {0x2F5F, 0x7389},  {0x2F87, 0x821B},
    {0x2F8B, 0x8278}, {0x2F8F, 0x884C}, {0x2FBF, 0x9B2F},  {0x2FC8, 0x9EC3},
}};

// A radical key that is filed under another key.
struct RadicalKeyAlias {
    std::string_view key;
    std::string_view filedUnder;
};

// Ascending by key.
inline constexpr std::array<RadicalKeyAlias, 16> kRadicalKeyAliasTable{{
    {"01B0", "01B1"},
    {"02A4", "02A3"},
    {"03AB", "03AA"},
    {"03C3", "03C4"},
    {"03D0", "04E1"},
    {"03E1", "03E0"},
    {"03EE", "03ED"},
    {"04A1", "04AB"},
    {"05A2", "05A1"},
    {"05B6", "05B5"},
    {"06A6", "06A4"},
    {"07C8", "07C7"},
    {"08A1", "08A0"},
    {"08A3", "08A2"},
    {"09C2", "09C1"},
    {"09C4", "09C3"},
}};

// Private Use Area code points that GBK uses for ordinary characters rather
// than user-defined ones, in the program's order: E76C, E78D-E796, E7C7,
// E7C8, E7E7-E7F3, E815-E864, F880-F88F.
inline constexpr std::array<std::uint32_t, 122> PrivateUseSymbolList = [] {
    std::array<std::uint32_t, 122> list{};
    std::size_t n = 0;
    const auto appendRange = [&](std::uint32_t first, std::uint32_t last) {
        for (std::uint32_t c = first; c <= last; ++c) list[n++] = c;
    };
    appendRange(0xE76C, 0xE76C);
    appendRange(0xE78D, 0xE796);
    appendRange(0xE7C7, 0xE7C8);
    appendRange(0xE7E7, 0xE7F3);
    appendRange(0xE815, 0xE864);
    appendRange(0xF880, 0xF88F);
    return list;
}();

// The radical of a compatibility ideograph of CompatRadicalMap.
std::optional<std::uint32_t> compatRadicalOf(std::uint32_t compat);

// The unified twin of a compatibility ideograph (CompatUnifiedMap).
std::optional<std::uint32_t> unifiedTwinOfCompat(std::uint32_t compat);

// The compatibility ideograph whose unified twin is `unified`, if any.
std::optional<std::uint32_t> compatTwinOfUnified(std::uint32_t unified);

// The ideograph with the shape of `radical` (RadicalUnifiedMap). The search
// stops at the first row whose radical is not below `radical`.
std::optional<std::uint32_t> unifiedFormOfRadical(std::uint32_t radical);

// The key a confirmed radical key is filed under, when the alias table has
// a row for it. The walk stops at the first row whose key is not below
// `key`; keys compare as they are given (callers upper-case where needed).
std::optional<std::string_view> radicalKeyAlias(std::string_view key);

// `key` itself when it has no alias, else the key it is filed under.
std::string_view filedRadicalKey(std::string_view key);

// Whether GBK uses `code` for an ordinary character (PrivateUseSymbolList).
bool isPrivateUseSymbol(std::uint32_t code);

}  // namespace tesvik::chars
