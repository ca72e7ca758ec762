#pragma once

// Look-ups in the population-register tables of the Private Use Area
// characters. The tables themselves are generated (generated/); the look-ups
// take them as spans so that they work on any table of the same shape.

#include "tesvik/chars/generated/PuaRadicalMap.h"
#include "tesvik/chars/generated/PuaStandardMap.h"
#include "tesvik/chars/generated/RegisterStandardMap.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tesvik::chars {

std::span<const PuaStandardPair> puaStandardMap();
std::span<const PuaRadicalPair> puaRadicalMap();
// Every population-register character with the standard character it stands
// for: the rows of puaStandardMap() and those of Extensions C and D.
std::span<const PuaStandardPair> registerStandardMap();

// The standard character a Private Use Area character stands for.
std::optional<std::uint32_t> standardOfPua(std::uint32_t pua, std::span<const PuaStandardPair> map = puaStandardMap());

// The Private Use Area character that stands for a standard scalar.
std::optional<std::uint32_t> puaOfStandard(std::uint32_t standard,
                                           std::span<const PuaStandardPair> map = puaStandardMap());

// The radical of a Private Use Area character or GBK compatibility ideograph.
std::optional<std::uint32_t> radicalOfPua(std::uint32_t code, std::span<const PuaRadicalPair> map = puaRadicalMap());

}  // namespace tesvik::chars
